#include "app/TfrmAbout.h"

#include "app/Application.h"
#include "app/Fonts.h"
#include "controls/XPMenu.h"
#include "ui_fAbout.h"

#include <QScreen>

TfrmAbout::TfrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(std::make_unique<Ui::TfrmAbout>())
{
    ui->setupUi(this);
    Fonts::applyPixelSizes(this);
    setFixedSize(378, 338);
    connect(ui->ButtonXPMACCorel31, &QPushButton::clicked, this,
            [this] { runEventHandler([this] { ButtonXPMACCorel31Click(); }); });

    m_xpMenu = new TXPMenu(this);
    QFont menuFont(QStringLiteral("Tahoma"));
    menuFont.setPixelSize(12);
    m_xpMenu->setFont(menuFont);
    m_xpMenu->setDimLevel(30);
    m_xpMenu->setGrayLevel(50);
    m_xpMenu->setIconWidth(16);
    m_xpMenu->setUseSystemColors(false);
    m_xpMenu->setGradient(true);
    m_xpMenu->setFlatMenu(true);
    m_xpMenu->setAutoDetect(true);
    m_xpMenu->setActive(true);
}

TfrmAbout::~TfrmAbout() = default;

void TfrmAbout::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    runEventHandler([this] { FormShow(); });
}

void TfrmAbout::FormShow()
{
    ui->ButtonXPMACCorel31->setFocus();
}

void TfrmAbout::ButtonXPMACCorel31Click()
{
    accept();
}
