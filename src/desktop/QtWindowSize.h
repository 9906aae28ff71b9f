#pragma once
// A window other than the main one opens at the size it was last closed at,
// and its splitter at the share it was left at: the size is given when the
// keeper is made (after the window has built its controls and chosen its own
// size), and kept in the options store each time the window hides.

#include "catalogues/Options.h"

#include <QObject>

class QSplitter;
class QWidget;

class QtWindowSize : public QObject {
public:
    // `split`, when given, holds two parts; the second one's share is kept.
    QtWindowSize(QWidget& window, Options& options, const WindowSizeNames& names, QSplitter* split = nullptr);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void Restore();
    void Save();

    QWidget& window_;
    Options& options_;
    const WindowSizeNames& names_;
    QSplitter* split_;
};
