#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TfrmAbout;
}
class TXPMenu;

// The About window, shown modally from the Ajuda menu. It exists from start-up, hidden;
// what it shows is built from its form the first time it is shown.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);
    ~TfrmAbout() override;

    void setVisible(bool visible) override;

    void FormShow();
    void ButtonXPMACCorel31Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void build();

    std::unique_ptr<Ui::TfrmAbout> ui;
    TXPMenu* m_xpMenu = nullptr;
};
