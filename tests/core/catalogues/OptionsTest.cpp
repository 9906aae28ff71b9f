#include "catalogues/Options.h"

#include "support/CatalogueFiles.h"

#include <gtest/gtest.h>

namespace {

using Settings = CatalogueFiles<>;

class FakeWindow : public WindowGeometry {
public:
    WindowState state = WindowState::Normal;
    int width = 640, height = 480, left = -1, top = -1;
    ScreenArea area{0, 0, 1920, 1040};
    bool maximized = false;

    WindowState State() const override { return state; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    void SetGeometry(int l, int t, int w, int h) override { left = l, top = t, width = w, height = h; }
    void Maximize() override { maximized = true; }
    ScreenArea WorkArea() const override { return area; }
};

}  // namespace

// A stored value outside its range gives way to the default, which is stored.
TEST(Options, CalculationTypeAndCableImpedanceOutsideTheirRangesFallBack)
{
    Settings s;
    s.options.SetSettingLong("LastCalcType", 3);
    s.options.LoadLastCalcType();
    EXPECT_EQ(StoredNumber(s.options.CurrentCalcType()), 0);
    EXPECT_EQ(s.store.ReadNumber("LastCalcType"), 0);
    Catalogue catalogue;
    for (const auto& [impedance, enabled] : {std::pair<int16_t, bool>{1800, false}, {1210, true}, {750, true}})
        catalogue.Cables.push_back({"cable", impedance, enabled, 0});
    for (const auto& [stored, current] : {std::pair<int32_t, int16_t>{10001, 1210}, {10000, 10000}}) {
        s.options.SetSettingLong("LastCableImpedance", stored);
        s.options.LoadLastCableImpedance(catalogue);
        EXPECT_EQ(s.options.CurrentCableImpedance() + s.options.GetSettingLong("LastCableImpedance"), 2 * current) << stored;
    }
}

// A device type is standard when stored so, or else when its family is
// shown; never a slave, a type in no family, or one not offered (icon 0).
TEST(Options, StandardDevicesFollowTheirFamilies)
{
    Settings s;
    Catalogue catalogue;
    catalogue.DeviceFamilies.push_back({"Detectors", "1", "ALL", true, true});
    catalogue.DeviceFamilies.push_back({"Sounders", "2", "ALL", false, false});
    for (const auto& [family, icon, slave] : {std::tuple<int16_t, int16_t, bool>{0, 1, false}, {1, 1, false}, {0, 1, true},
                                              {255, 1, false}, {0, 0, false}, {1, 1, false}}) {
        catalogue.DeviceTypes.emplace_back();
        catalogue.DeviceTypes.back().Family = family;
        catalogue.DeviceTypes.back().IconNumber = icon;
        catalogue.DeviceTypes.back().IsSlave = slave;
    }
    s.options.SetSettingBool("StandardDevice6", true);
    s.options.SetSettingBool("StandardDevice3", true);  // ignored for a slave
    s.options.LoadStandardDevices(catalogue, 6);
    std::string standard;
    for (int d = -1; d <= 7; ++d)
        standard += s.options.IsStandardDevice(d) ? "1" : "0";
    EXPECT_EQ(standard, "011000010");
    EXPECT_TRUE(s.options.GetSettingBool("StandardDevice1") && !s.options.SettingExists("StandardDevice2"));
}

TEST(Options, MigrationCarriesEveryOldSettingThatIsSet)
{
    Settings s;
    const std::string old = s.folder.Write("QUELLAR.INI",
                                           "[Options]\r\nDontShowFamily0=1\r\nDontShowFamily7=0\r\nDontShowFamily99=1\r\n"
                                           "Form Height=6015.6\r\nForm Width= 9000 twips\r\nLastCalcType=0\r\nUnits=1\r\n"
                                           "Form State=Maximized\r\nRecentFile1=C:\\Sites\\depot.QLX\r\n"
                                           "RecentFile4=\"C:\\Sites\\yard.QLX\"\r\nKRBeforeOthersWarned=T\r\n"
                                           "[Quellar]\r\nLastPanel=\"Example 2-loop\"\r\n[Device0]\r\nStandard=1\r\n"
                                           "[Device999]\r\nStandard=1\r\n[Device5]\r\nStandard=0\r\n");
    s.options.MigrateOldSettings(old);
    for (const char* flag : {"DontShowFamily0", "DontShowFamily99", "KRBeforeOthersWarned", "StandardDevice0", "StandardDevice999"})
        EXPECT_TRUE(s.options.GetSettingBool(flag)) << flag;
    // 0 and false are not carried.
    for (const char* absent : {"DontShowFamily7", "LastCalcType", "StandardDevice5", "FirstTimeDone"})
        EXPECT_FALSE(s.options.SettingExists(absent)) << absent;
    EXPECT_EQ(std::vector<std::optional<int32_t>>({s.store.ReadNumber("Form Height"), s.store.ReadNumber("Form Width"), s.store.ReadNumber("Units")}),
              std::vector<std::optional<int32_t>>({6016, 9000, 1}));
    EXPECT_EQ(*s.store.ReadString("Form State") + "|" + *s.store.ReadString("LastPanel") + "|" + *s.store.ReadString("mFileRecent1") +
                  "|" + *s.store.ReadString("mFileRecent4"),
              "Maximized|Example 2-loop|C:\\Sites\\depot.QLX|C:\\Sites\\yard.QLX");
}

// A maximised window stores only its state; a stored size is centred in the
// work area, odd offsets halving downwards.
TEST(Options, TheWindowsSizeIsStoredAndRestored)
{
    Settings s;
    FakeWindow window;
    s.options.SaveFormSize(window);
    window.state = WindowState::Maximized;
    window.width = 800;
    s.options.SaveFormSize(window);
    EXPECT_EQ(s.options.GetSettingString("Form State") + " " + s.options.GetSettingString("Form Width") + "x" +
                  s.options.GetSettingString("Form Height"),
              "Maximized 640x480");
    s.options.SetSettingString("Form State", "Normal");
    FakeWindow restored;
    restored.area = {10, 20, 1001, 767};
    s.options.RestoreFormSize(restored, false, true);
    EXPECT_EQ(std::vector<int>({restored.left, restored.top, restored.width, restored.height, restored.maximized}),
              std::vector<int>({190, 163, 640, 480, false}));
}

// Any other window: its own size until one is stored, never more than the
// work area; a maximised window leaves the stored size; shares out of 1 to
// 999 thousandths are none.
TEST(Options, AnotherWindowKeepsItsSizeAndShare)
{
    Settings s;
    const WindowSizeNames& names = SettingName::LoopEditorSize;
    const ScreenArea laptop{0, 0, 1366, 736};
    const auto size = [&](WindowSize own) {
        const WindowSize chosen = s.options.WindowSizeFor(names, own, laptop);
        return std::pair(chosen.Width, chosen.Height);
    };
    EXPECT_EQ(size({1120, 800}), std::pair(1120, 736));
    FakeWindow window;
    window.width = 1000;
    s.options.SaveWindowSize(names, window);
    window.state = WindowState::Maximized;
    window.width = 1366;
    s.options.SaveWindowSize(names, window);
    EXPECT_EQ(size({1120, 800}), std::pair(1000, 480));
    EXPECT_EQ(s.options.SecondShare(names), 0);
    for (const auto& [stored, share] : {std::pair{400, 400}, {0, 400}, {1000, 400}, {999, 999}}) {
        s.options.SetSecondShare(names, stored);
        EXPECT_EQ(s.options.SecondShare(names), share) << stored;
    }
    EXPECT_EQ(s.options.SecondShare(SettingName::PowerSize), 0);
}

TEST(Options, UnitsComeFromTheMeasurementSettingAndUnknownOnesWarn)
{
    Settings s;
    ScriptedMessageHost& host = s.host;
    s.options.DetectUnits("1", "0409");  // imperial, as the measurement setting says
    EXPECT_EQ(s.options.Units() + s.options.GetSettingLong("Units"), 2);
    s.options.SetSettingLong("Units", 7);
    s.options.LoadUnits(host);
    EXPECT_EQ(s.options.Units() + s.options.GetSettingLong("Units"), 0);
    EXPECT_EQ(host.Texts(), std::vector<std::string>{"An unknown type of units has been specified!\n\nChanging to Metric."});
    EXPECT_EQ(host.boxes[0].Style, MsgStyle::Exclamation);
}
