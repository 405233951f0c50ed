#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfrmAbout;
}
class TXPMenu;

// The About window, shown modally from the Ajuda menu.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);
    ~TfrmAbout() override;

    void FormShow();
    void ButtonXPMACCorel31Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    std::unique_ptr<Ui::TfrmAbout> ui;
    TXPMenu* m_xpMenu;
};
