#pragma once
// The welcome dialog of a first start. Closing it with "Don't show this
// window again." ticked ends the first starts (FirstStart::WelcomeClosed).

#include <QDialog>

class Options;
class QCheckBox;
class QtHelp;

class frmWelcome : public QDialog {
    Q_OBJECT

public:
    frmWelcome(Options& options, const QtHelp& help, QWidget* parent = nullptr);

    void done(int result) override;

private:
    Options& options_;
    QCheckBox* chkDontShow_ = nullptr;
};
