#include "document/CommandLine.h"
#include "document/Shell.h"

#include "document/Document.h"
#include "platform/MessageHost.h"
#include "support/ManualPage.h"
#include "support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <tuple>

using Action = CommandLineRequest::Action;

TEST(CommandLine, OptionsFilesAndQuotes)
{
    // line -> action, option, file
    for (const auto& [line, action, option, file] : {
             std::tuple{"", Action::None, 'o', ""},
             {"/p site.QLX", Action::Print, 'p', "site.QLX"},
             {"/P \"My Sites/a b.QLX\"", Action::Print, 'p', "My Sites/a b.QLX"},
             {"/o /p site.QLX", Action::Print, 'p', "site.QLX"},
             {"/home/me/site.QLX", Action::Open, 'o', "/home/me/site.QLX"},
             {"/x site.QLX", Action::UnknownOption, 'x', "site.QLX"},
         }) {
        const CommandLineRequest request = ParseCommandLine(line);
        EXPECT_EQ(std::tuple(request.What, request.Option, request.File), std::tuple(action, option, std::string(file)))
            << line;
    }
    EXPECT_EQ(UnknownOptionMessage('x'), "Command line option not recognised.\r\r'/x'");
}

TEST(CommandLine, TheManualPageNamesTheOptionsTakenAndNoOther)
{
    std::set<std::string> taken;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const std::string option = std::string("/") + letter;
        if (ParseCommandLine(option + " site.QLX").What != Action::UnknownOption)
            taken.insert(option);
    }
    EXPECT_EQ(ManualPageOptions(ManualPagePath("ferrolux")), taken);
}

TEST(Shell, CheckSavedAsksOnlyForAChangedWritableDocument)
{
    TestCatalogue catalogue;
    Document document(catalogue);
    ScriptedMessageHost host;
    int saves = 0;
    const auto save = [&] { return ++saves > 0; };
    EXPECT_TRUE(Shell::CheckSaved(document, host, save));
    document.Dirty = true;
    document.ReadOnly = true;
    EXPECT_TRUE(Shell::CheckSaved(document, host, save));
    EXPECT_TRUE(host.boxes.empty());

    document.ReadOnly = false;
    for (const auto& [answer, goesOn, savesAfter] :
         {std::tuple{MsgResult::Cancel, false, 0}, {MsgResult::No, true, 0}, {MsgResult::Yes, true, 1}}) {
        host.Answer(answer);
        EXPECT_EQ(Shell::CheckSaved(document, host, save), goesOn) << answer;
        EXPECT_EQ(saves, savesAfter) << answer;
    }
    EXPECT_EQ(host.boxes[0].Text, "Configuration data has not been saved.\n\nDo you want to save now?");
    EXPECT_EQ(host.boxes[0].Style, MsgStyle::YesNoCancel + MsgStyle::Exclamation);
    host.Answer(MsgResult::Yes);
    EXPECT_FALSE(Shell::CheckSaved(document, host, [] { return false; }));  // a failed save goes no further
}
