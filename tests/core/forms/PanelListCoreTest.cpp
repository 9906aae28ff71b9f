#include "forms/PanelListCore.h"

#include "support/PanelSite.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Texts = std::vector<std::string>;

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

