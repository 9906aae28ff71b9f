#pragma once
// The dialog shown after an upgrade, pointing to what is new. Closing it with
// "Don't show this window again." ticked remembers this version
// (FirstStart::NewVersionClosed).

#include <QDialog>

class Options;
class QCheckBox;
class QtHelp;

class frmNewVersion : public QDialog {
    Q_OBJECT

public:
    frmNewVersion(Options& options, const QtHelp& help, QWidget* parent = nullptr);

    void done(int result) override;

private:
    Options& options_;
    QCheckBox* chkDontShow_ = nullptr;
};
