#pragma once
// The project properties window: the project's number, client, designer,
// checker, revision and its date, free notes and the spare capacity every
// loop must keep. OK stores them as one step of the history (a bad box is
// named and takes the focus); Cancel and Escape change nothing, and ask
// first when a box was changed. A read-only site is shown, not edited.

#include <QDialog>

#include "desktop/QtHelpKey.h"

#ifndef Q_MOC_RUN
#include "forms/ProjectPropertiesCore.h"
#endif

#include <array>

class Document;
class MessageHost;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

class frmProjectProperties : public QDialog, public HelpTopicWindow {
    Q_OBJECT
public:
    frmProjectProperties(Document& document, MessageHost& host, QWidget* parent = nullptr);
    int HelpTopic() const override;

public slots:
    void reject() override;

private:
    ProjectProperties TypedEntries() const;
    void ConfirmOK();

    MessageHost& host_;
    ProjectPropertiesCore core_;
    std::array<QLineEdit*, std::size(ProjectPropertiesCore::LineBoxes)> lines_{};
    QPlainTextEdit* txtNotes_ = nullptr;
    QSpinBox* spnSpare_ = nullptr;
};
