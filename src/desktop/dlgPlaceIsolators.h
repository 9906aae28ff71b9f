#pragma once
// Place Isolators: an isolator kind and the most points a section may hold,
// with the loop's sections before and after; OK puts the isolators into the
// loop (PlaceIsolatorsCore), Cancel and Escape leave it as it was. The
// caller makes OK one step of its history.

#include <QDialog>

#include "desktop/QtHelpKey.h"

#ifndef Q_MOC_RUN
#include "forms/PlaceIsolatorsCore.h"
#endif

class Document;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class dlgPlaceIsolators : public QDialog, public HelpTopicWindow {
    Q_OBJECT
public:
    dlgPlaceIsolators(Document& document, int loop, QWidget* parent = nullptr);
    int HelpTopic() const override;

public slots:
    void accept() override;

private:
    void Show();

    PlaceIsolatorsCore core_;
    QComboBox* cboKind_ = nullptr;
    QSpinBox* spnLimit_ = nullptr;
    QLabel* lblBefore_ = nullptr;
    QLabel* lblAfter_ = nullptr;
    QLabel* lblOutcome_ = nullptr;
    QPushButton* btnOK_ = nullptr;
};
