#pragma once
// F1 anywhere in the program opens the help: at the topic of the window it
// was pressed in when that window has one of its own (HelpTopicWindow),
// else at the contents. The main window's own F1 (Help Topics) comes first.

#include <QObject>

class QtHelp;

class HelpTopicWindow {
public:
    virtual int HelpTopic() const = 0;

protected:
    ~HelpTopicWindow() = default;
};

class QtHelpKey : public QObject {
public:
    // Watches the keys of the whole application while it lives.
    explicit QtHelpKey(const QtHelp& help);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    const QtHelp& help_;
};
