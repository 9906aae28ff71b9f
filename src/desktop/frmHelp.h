#pragma once
// The help window: the help pages in a browser of the program's own, with
// Back, Forward and the contents page, opened at a topic's anchor. Help then
// needs neither a desktop browser nor a network.

#include <QUrl>
#include <QWidget>

class QPushButton;
class QTextBrowser;

class frmHelp : public QWidget {
    Q_OBJECT

public:
    // `contents` is the address of the contents page ("index.html#contents").
    explicit frmHelp(QUrl contents, QWidget* parent = nullptr);

    // Shows a page at its anchor, as one more step of the history.
    void ShowAddress(const QUrl& address);

private:
    QUrl contents_;
    QTextBrowser* txtHelp_ = nullptr;
    QPushButton* btnBack_ = nullptr;
    QPushButton* btnForward_ = nullptr;
    QPushButton* btnContents_ = nullptr;
};
