#pragma once
// The help: HTML pages with one anchor per topic ("#topic-51"), shown in the
// program's own help window. The page opener can be replaced, so that tests
// see which page a command asks for.

#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

class Options;
class frmHelp;

class QtHelp {
public:
    using Opener = std::function<void(const QUrl&)>;

    // The help commands of the classic help system that the program uses.
    static constexpr int HelpFinder = 11;
    static constexpr int HelpOnHelp = 4;

    // `indexFile` is the full path of the help's index page; without an
    // opener the pages show in the help window, whose size `options` keeps.
    QtHelp(QString indexFile, Options& options, Opener open = {});
    ~QtHelp();
    QtHelp(const QtHelp&) = delete;
    QtHelp& operator=(const QtHelp&) = delete;

    void ShowTopic(int topic) const;
    void ShowContents() const;
    void ShowHowToUseHelp() const;

    // The address of a topic, "file:///.../index.html#topic-37".
    QUrl TopicAddress(int topic) const;
    const QString& IndexFile() const { return indexFile_; }
    // The help window once a page has been shown in it.
    frmHelp* Window() const;

private:
    QUrl Address(const QString& anchor) const;
    void Open(const QString& anchor) const;
    void ShowInWindow(const QUrl& address) const;

    QString indexFile_;
    Options& options_;
    Opener open_;
    mutable QPointer<frmHelp> window_;
};
