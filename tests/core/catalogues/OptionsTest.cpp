#include "catalogues/Options.h"

#include "catalogues/Catalogue.h"
#include "platform/MessageHost.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

struct Settings {
    ScratchFolder folder;
    SettingsStore store{folder.Path("Harvex Ferrolux.conf")};
    Options options{store};

    std::optional<FileSystem::FileStamp> Stamp() const { return FileSystem::Stamp(store.Path()); }
};

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
    const struct {
        std::optional<int32_t> stored;
        int32_t current;
    } calcTypes[] = {{std::nullopt, 0}, {2, 2}, {3, 0}, {-1, 0}};
    for (const auto& c : calcTypes) {
        Settings s;
        if (c.stored)
            s.options.SetSettingLong("LastCalcType", *c.stored);
        s.options.LoadLastCalcType();
        EXPECT_EQ(StoredNumber(s.options.CurrentCalcType()), c.current) << c.stored.value_or(-99);
        EXPECT_EQ(s.store.ReadNumber("LastCalcType"), c.stored ? std::optional<int32_t>(c.current) : std::nullopt);
    }
    Catalogue catalogue;
    for (const auto& [impedance, enabled] : {std::pair<int16_t, bool>{1800, false}, {1210, true}, {750, true}})
        catalogue.Cables.push_back({"cable", impedance, enabled, 0});
    const struct {
        std::optional<int32_t> stored;
        int16_t current;
    } impedances[] = {{10001, 1210}, {10000, 10000}, {0, 0}, {-1, 1210}, {std::nullopt, 1210}};
    for (const auto& c : impedances) {
        Settings s;
        if (c.stored)
            s.options.SetSettingLong("LastCableImpedance", *c.stored);
        s.options.LoadLastCableImpedance(catalogue);
        EXPECT_EQ(s.options.CurrentCableImpedance(), c.current) << c.stored.value_or(-99);
        EXPECT_EQ(s.options.GetSettingLong("LastCableImpedance"), c.current) << c.stored.value_or(-99);
    }
    Settings s;
    s.options.SetSettingString("LastCableImpedance", "975 ohms");  // as an older release may have left it
    s.options.LoadLastCableImpedance(catalogue);
    EXPECT_EQ(s.options.CurrentCableImpedance(), 975);
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

TEST(Options, MigrationCarriesEveryOldSettingOnceUntilFirstTimeIsDone)
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
    // Not done yet: the next start carries the settings again, touching
    // nothing when nothing changed. Once the old file says the first run is
    // done, that is carried too, and from then on the old file is ignored.
    const auto afterFirst = s.Stamp();
    s.options.MigrateOldSettings(old);
    EXPECT_EQ(s.Stamp(), afterFirst);
    s.folder.Write("QUELLAR.INI", "[Options]\r\nFirstTime=Done\r\nUnits=1\r\n");
    s.options.MigrateOldSettings(old);
    EXPECT_TRUE(s.options.GetSettingBool("FirstTimeDone"));
    s.folder.Write("QUELLAR.INI", "[Options]\r\nUnits=2\r\n");
    const auto done = s.Stamp();
    s.options.MigrateOldSettings(old);
    EXPECT_EQ(s.Stamp(), done);
}

TEST(Options, TheWindowsSizeIsStoredAndRestored)
{
    Settings saved;
    FakeWindow window;
    saved.options.SaveFormSize(window);
    window.state = WindowState::Maximized;
    saved.options.SaveFormSize(window);  // a maximised window stores only its state
    EXPECT_EQ(saved.options.GetSettingString("Form State") + " " + saved.options.GetSettingString("Form Width") + "x" +
                  saved.options.GetSettingString("Form Height"),
              "Maximized 640x480");

    const struct {
        const char* name;
        int storedWidth, storedHeight;  // 0: nothing stored
        const char* storedState;
        bool useWorkArea, centre;
        WindowState state;
        ScreenArea area;
        int left, top, width, height;
        bool maximized;
    } cases[] = {
        {"stored size centred", 800, 600, "Normal", true, true, WindowState::Normal, {0, 0, 1920, 1040}, 560, 220, 800, 600, false},
        {"odd offsets halve downwards", 800, 600, "Normal", false, true, WindowState::Normal, {10, 20, 1001, 767}, 110, 103, 800, 600, false},
        {"too large for the work area", 3000, 2000, "Normal", false, false, WindowState::Normal, {0, 30, 1280, 994}, 0, 30, 1280, 994, false},
        {"nothing stored, work area", 0, 0, "", true, true, WindowState::Normal, {0, 0, 1920, 1040}, 0, 0, 1920, 1040, true},
        {"nothing stored, own size at the corner", 0, 0, "", false, false, WindowState::Normal, {100, 50, 1920, 1040}, 100, 50, 640, 480, false},
        {"maximised state without work area", 800, 600, "Maximized", false, false, WindowState::Normal, {0, 0, 1920, 1040}, 0, 0, 800, 600, true},
        {"unknown state with work area", 800, 600, "Minimized", true, false, WindowState::Normal, {0, 0, 1920, 1040}, 0, 0, 800, 600, true},
        {"unknown state without work area", 800, 600, "Minimized", false, false, WindowState::Normal, {0, 0, 1920, 1040}, 0, 0, 800, 600, false},
        {"a window not in its normal state", 800, 600, "Maximized", true, false, WindowState::Minimized, {0, 0, 1920, 1040}, 0, 0, 800, 600, false},
    };
    for (const auto& c : cases) {
        Settings s;
        if (c.storedWidth) {
            s.options.SetSettingLong("Form Width", c.storedWidth);
            s.options.SetSettingLong("Form Height", c.storedHeight);
            s.options.SetSettingString("Form State", c.storedState);
        }
        FakeWindow restored;
        restored.state = c.state;
        restored.area = c.area;
        s.options.RestoreFormSize(restored, c.useWorkArea, c.centre);
        EXPECT_EQ(std::vector<int>({restored.left, restored.top, restored.width, restored.height, restored.maximized}),
                  std::vector<int>({c.left, c.top, c.width, c.height, c.maximized})) << c.name;
    }
}

TEST(Options, UnitsComeFromTheMeasurementSettingAndUnknownOnesWarn)
{
    Settings s;
    ScriptedMessageHost host;
    s.options.DetectUnits("1", "0409");  // imperial, as the measurement setting says
    EXPECT_EQ(s.options.Units() + s.options.GetSettingLong("Units"), 2);
    s.options.SetSettingLong("Units", 7);
    s.options.LoadUnits(host);
    EXPECT_EQ(s.options.Units() + s.options.GetSettingLong("Units"), 0);
    EXPECT_EQ(host.Texts(), std::vector<std::string>{"An unknown type of units has been specified!\n\nChanging to Metric."});
    EXPECT_EQ(host.boxes[0].Style, MsgStyle::Exclamation);
}
