#pragma once
// The help: HTML pages with one anchor per topic ("#topic-51"), shown in the
// desktop's browser. The page opener can be replaced, so that tests see
// which page a command asks for.

#include <QString>
#include <QUrl>

#include <functional>

class QtHelp {
public:
    using Opener = std::function<void(const QUrl&)>;

    // The help commands of the classic help system that the program uses.
    static constexpr int HelpFinder = 11;
    static constexpr int HelpOnHelp = 4;

    // `indexFile` is the full path of the help's index page; the default
    // opener is the desktop's browser.
    explicit QtHelp(QString indexFile, Opener open = {});

    void ShowTopic(int topic) const;
    void ShowContents() const;
    void ShowHowToUseHelp() const;

    // The address of a topic, "file:///.../index.html#topic-37".
    QUrl TopicAddress(int topic) const;
    const QString& IndexFile() const { return indexFile_; }

private:
    void Open(const QString& anchor) const;

    QString indexFile_;
    Opener open_;
};
