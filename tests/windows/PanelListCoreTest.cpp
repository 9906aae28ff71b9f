#include "windows/PanelListCore.h"

#include "windows/PanelSite.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

Texts Names(const PanelListCore& list)
{
    Texts names;
    for (const PanelListItem& item : list.Items())
        names.push_back(item.Name);
    return names;
}

}  // namespace

TEST(PanelListCore, EachModeHasItsCaptions)
{
    PanelSite site;
    const PanelListCore edit(site.catalogue, PanelListCore::Mode::Edit);
    const PanelListCore remove(site.catalogue, PanelListCore::Mode::Delete);
    EXPECT_EQ((Texts{edit.Caption(), edit.ActionCaption(), edit.CloseCaption()}),
              (Texts{"Edit User-Defined Control Panel", "&Edit...", "&Cancel"}));
    EXPECT_EQ((Texts{remove.Caption(), remove.ActionCaption(), remove.CloseCaption()}),
              (Texts{"Delete User-Defined Control Panel", "&Delete", "&Close"}));
}

TEST(PanelListCore, DeletingRefusesThePanelInUseAndClosesWhenTheListIsEmpty)
{
    PanelSite site;
    site.SelectCurrent("Site Panel");
    PanelListCore list(site.catalogue, PanelListCore::Mode::Delete);
    EXPECT_EQ(Names(list), (Texts{"Site Panel", "Spare Panel"}));
    EXPECT_FALSE(list.ActionEnabled());
    EXPECT_TRUE(CheckCustomPanelMenu(site.catalogue));

    list.Choose(0);
    EXPECT_EQ(list.DeleteChosen(site.Services()), PanelListCore::DeleteOutcome{});
    ASSERT_EQ(site.host.boxes.size(), 1u);
    EXPECT_EQ(site.host.boxes[0].Text, "The current Loop Calculation is using this panel, it cannot be deleted!");
    EXPECT_EQ(site.host.boxes[0].Style, MsgStyle::OKOnly + MsgStyle::Exclamation);
    EXPECT_EQ(site.host.boxes[0].Caption, "Delete Custom Panel");
    EXPECT_EQ(Names(list), (Texts{"Site Panel", "Spare Panel"}));
    EXPECT_TRUE(list.ActionEnabled());
    EXPECT_EQ(site.pointer.shown, 0);

    list.Choose(1);
    EXPECT_EQ(list.DeleteChosen(site.Services()), (PanelListCore::DeleteOutcome{true, false}));
    EXPECT_EQ(Names(list), Texts{"Site Panel"});
    EXPECT_FALSE(list.ActionEnabled());
    EXPECT_EQ(site.pointer.shown, 1);
    EXPECT_EQ(site.pointer.depth, 0);
    EXPECT_EQ(site.UserFile().find("Custom3"), std::string::npos);
    EXPECT_TRUE(CheckCustomPanelMenu(site.catalogue));

    site.SelectCurrent("Acme 2");
    list.Choose(0);
    EXPECT_EQ(list.DeleteChosen(site.Services()), (PanelListCore::DeleteOutcome{true, true}));
    EXPECT_TRUE(Names(list).empty());
    EXPECT_FALSE(CheckCustomPanelMenu(site.catalogue));
    EXPECT_EQ(site.host.boxes.size(), 1u);
    EXPECT_EQ(site.NamesAfterRestart(), (Texts{"Acme 2", "Unknown Panel"}));
}
