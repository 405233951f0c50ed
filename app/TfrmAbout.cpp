#include "app/TfrmAbout.h"

#include "app/Application.h"
#include "app/Fonts.h"
#include "controls/XPMenu.h"
#include "ui_fAbout.h"

#include <QScreen>

TfrmAbout::TfrmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFixedSize(378, 338);
}

TfrmAbout::~TfrmAbout() = default;

void TfrmAbout::setVisible(bool visible)
{
    if (visible && !ui)
        build();
    QDialog::setVisible(visible);
}

// Nobody sees the window before it is first shown, so it is laid out only then.
void TfrmAbout::build()
{
    ui = std::make_unique<Ui::TfrmAbout>();
    ui->setupUi(this);
    Fonts::applyPixelSizes(this);
    connect(ui->ButtonXPMACCorel31, &QPushButton::clicked, this,
            [this] { runEventHandler([this] { ButtonXPMACCorel31Click(); }); });

    m_xpMenu = TXPMenu::forWindow(this, Fonts::menuFont(), true);
}

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
