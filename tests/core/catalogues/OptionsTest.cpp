#include "catalogues/Options.h"

#include "catalogues/Catalogue.h"
#include "platform/MessageHost.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

// A settings file in its own scratch folder, with a way to tell whether an
// operation wrote to it.
struct Settings {
    ScratchFolder folder;
    SettingsStore store{folder.Path("Harvex Ferrolux.conf")};
    Options options{store};

    std::optional<FileSystem::FileStamp> Stamp() const { return FileSystem::Stamp(store.Path()); }
};

Catalogue CatalogueWithCables(std::initializer_list<std::pair<int16_t, bool>> cables)
{
    Catalogue catalogue;
    for (const auto& [impedance, enabled] : cables)
        catalogue.Cables.push_back({"cable", impedance, enabled, 0});
    return catalogue;
}

}  // namespace

TEST(Options, SettingsRoundTripInTheirKindsAndMissingOnesReadEmpty)
{
    Settings s;
    s.options.SetSettingString("LastPanel", "Example 2-loop");
    s.options.SetSettingBool("FirstTimeDone", true);
    s.options.SetSettingBool("KRBeforeOthersWarned", false);
    s.options.SetSettingLong("Form Width", 1024);

    Options restarted(s.store);
    EXPECT_EQ(restarted.GetSettingString("LastPanel"), "Example 2-loop");
    EXPECT_TRUE(restarted.GetSettingBool("FirstTimeDone"));
    EXPECT_FALSE(restarted.GetSettingBool("KRBeforeOthersWarned"));
    EXPECT_EQ(restarted.GetSettingLong("Form Width"), 1024);
    EXPECT_EQ(s.store.ReadNumber("FirstTimeDone"), -1);
    EXPECT_EQ(s.store.ReadNumber("KRBeforeOthersWarned"), 0);
    // A number read as text gives its digits; a text read as a number is unreadable.
    EXPECT_EQ(restarted.GetSettingString("Form Width"), "1024");
    EXPECT_EQ(restarted.GetSettingLong("LastPanel"), 0);

    EXPECT_EQ(restarted.GetSettingString("QLX Path"), "");
    EXPECT_FALSE(restarted.GetSettingBool("Units"));
    EXPECT_EQ(restarted.GetSettingLong("Units"), 0);
    EXPECT_FALSE(restarted.SettingExists("Units"));
    EXPECT_TRUE(restarted.SettingExists("KRBeforeOthersWarned"));
}

TEST(Options, SettingAValueToItsCurrentValueWritesNothing)
{
    Settings s;
    Catalogue catalogue;
    catalogue.DeviceFamilies.push_back({"Detectors", "1", "ALL", true, false});
    s.options.LoadFamilyShown(catalogue);
    s.options.SetSettingString("Form State", "Normal");
    s.options.SetSettingBool("FirstTimeDone", true);
    s.options.SetSettingLong("Units", 1);
    s.options.SetLastCalcType(2);
    const auto before = s.Stamp();
    ASSERT_TRUE(before.has_value());

    s.options.SetFamilyShown(catalogue, 0, true);
    s.options.SetSettingString("Form State", "Normal");
    s.options.SetSettingBool("FirstTimeDone", true);
    s.options.SetSettingLong("Units", 1);
    s.options.SetLastCalcType(2);
    EXPECT_EQ(s.Stamp(), before);

    s.options.SetFamilyShown(catalogue, 0, false);
    EXPECT_NE(s.Stamp(), before);
    EXPECT_TRUE(s.options.GetSettingBool("DontShowFamily0"));
}

TEST(Options, CalculationTypeOutsideTheCalculatorsRangeFallsBackToTheMinimum)
{
    const struct {
        std::optional<int32_t> stored;
        int32_t current;
        int32_t storedAfter;
    } cases[] = {
        {std::nullopt, 0, 0}, {2, 2, 2}, {1, 1, 1}, {3, 0, 0}, {-1, 0, 0},
    };
    for (const auto& c : cases) {
        Settings s;
        if (c.stored)
            s.options.SetSettingLong("LastCalcType", *c.stored);
        s.options.LoadLastCalcType();
        EXPECT_EQ(s.options.CurrentCalcType(), c.current) << c.stored.value_or(-99);
        EXPECT_EQ(s.store.ReadNumber("LastCalcType").value_or(-99), c.stored ? c.storedAfter : -99)
            << c.stored.value_or(-99);
    }
}

TEST(Options, CableImpedanceOutsideZeroToTenThousandTakesTheFirstEnabledCable)
{
    const Catalogue catalogue = CatalogueWithCables({{1800, false}, {1210, true}, {750, true}});
    const struct {
        std::optional<int32_t> stored;
        int16_t current;
    } cases[] = {
        {10001, 1210}, {10000, 10000}, {0, 0}, {-5, 1210}, {std::nullopt, 1210}, {750, 750},
    };
    for (const auto& c : cases) {
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
    s.options.SetLastCableImpedance(1210);
    EXPECT_EQ(s.options.GetSettingLong("LastCableImpedance"), 1210);
}

TEST(Options, AFamilyWithoutAStoredFlagKeepsTheDefaultItFirstHad)
{
    Settings s;
    Catalogue catalogue;
    catalogue.DeviceFamilies.push_back({"Detectors", "1", "ALL", true, false});
    catalogue.DeviceFamilies.push_back({"Sounders", "2", "ALL", false, true});
    s.options.LoadFamilyShown(catalogue);
    EXPECT_TRUE(catalogue.DeviceFamilies[0].Shown);
    EXPECT_FALSE(catalogue.DeviceFamilies[1].Shown);
    EXPECT_EQ(s.store.ReadNumber("DontShowFamily0"), 0);
    EXPECT_EQ(s.store.ReadNumber("DontShowFamily1"), -1);

    // A later device file changes the defaults: this user keeps the first ones.
    catalogue.DeviceFamilies[0].DefaultShown = false;
    catalogue.DeviceFamilies[1].DefaultShown = true;
    s.options.LoadFamilyShown(catalogue);
    EXPECT_TRUE(catalogue.DeviceFamilies[0].Shown);
    EXPECT_FALSE(catalogue.DeviceFamilies[1].Shown);
}

TEST(Options, StandardDevicesComeFromTheStoreOrTheirFamily)
{
    Settings s;
    Catalogue catalogue;
    catalogue.DeviceFamilies.push_back({"Detectors", "1", "ALL", true, true});
    catalogue.DeviceFamilies.push_back({"Interfaces", "2", "ALL", false, false});
    const auto type = [&](int16_t family, int16_t icon, bool slave) {
        DeviceTypeRecord record;
        record.Family = family;
        record.IconNumber = icon;
        record.IsSlave = slave;
        catalogue.DeviceTypes.push_back(record);
    };
    type(0, 1, false);    // 1: shown family -> standard, stored
    type(1, 1, false);    // 2: hidden family -> not standard, not stored
    type(0, 1, true);     // 3: slave -> never
    type(255, 1, false);  // 4: in no family -> never
    type(0, 0, false);    // 5: not selectable -> never
    type(1, 1, false);    // 6: hidden family but a stored flag
    s.options.SetSettingBool("StandardDevice6", true);
    s.options.SetSettingBool("StandardDevice3", true);  // ignored for a slave

    s.options.LoadStandardDevices(catalogue, 6);
    const bool expected[] = {true, true, false, false, false, false, true};
    for (int d = 0; d <= 6; ++d)
        EXPECT_EQ(s.options.IsStandardDevice(d), expected[d]) << d;
    EXPECT_FALSE(s.options.IsStandardDevice(7));
    EXPECT_FALSE(s.options.IsStandardDevice(-1));
    EXPECT_TRUE(s.options.GetSettingBool("StandardDevice1"));
    EXPECT_FALSE(s.options.SettingExists("StandardDevice2"));
    EXPECT_FALSE(s.options.SettingExists("StandardDevice4"));

    s.options.SetStandardDevice(2, true);
    EXPECT_TRUE(s.options.IsStandardDevice(2));
    EXPECT_TRUE(s.options.GetSettingBool("StandardDevice2"));
    s.options.SetStandardDevice(9, true);  // outside the table
    EXPECT_FALSE(s.options.SettingExists("StandardDevice9"));
}

TEST(Options, MigrationCarriesEveryOldSettingOnceUntilFirstTimeIsDone)
{
    Settings s;
    const std::string old = s.folder.Write("QUELLAR.INI",
                                           "[Options]\r\n"
                                           "DontShowFamily0=1\r\n"
                                           "DontShowFamily7=0\r\n"
                                           "DontShowFamily99=1\r\n"
                                           "Form Height=6015.6\r\n"
                                           "Form Width= 9000 twips\r\n"
                                           "LastCableImpedance=1210\r\n"
                                           "LastCalcType=0\r\n"
                                           "Units=1\r\n"
                                           "Form State=Maximized\r\n"
                                           "RecentFile1=C:\\Sites\\depot.QLX\r\n"
                                           "RecentFile4=\"C:\\Sites\\yard.QLX\"\r\n"
                                           "KRBeforeOthersWarned=T\r\n"
                                           "[Quellar]\r\n"
                                           "LastPanel=\"Example 2-loop\"\r\n"
                                           "[Device12]\r\n"
                                           "Standard=1\r\n"
                                           "[Device999]\r\n"
                                           "Standard=1\r\n"
                                           "[Device5]\r\n"
                                           "Standard=0\r\n");
    s.options.MigrateOldSettings(old);

    EXPECT_TRUE(s.options.GetSettingBool("DontShowFamily0"));
    EXPECT_TRUE(s.options.GetSettingBool("DontShowFamily99"));
    EXPECT_FALSE(s.options.SettingExists("DontShowFamily7"));
    EXPECT_EQ(s.options.GetSettingLong("Form Height"), 6016);
    EXPECT_EQ(s.options.GetSettingLong("Form Width"), 9000);
    EXPECT_EQ(s.options.GetSettingLong("LastCableImpedance"), 1210);
    EXPECT_FALSE(s.options.SettingExists("LastCalcType"));  // 0 is not carried
    EXPECT_EQ(s.store.ReadNumber("Units"), 1);
    EXPECT_EQ(s.store.ReadString("Form State"), "Maximized");
    EXPECT_EQ(s.store.ReadString("LastPanel"), "Example 2-loop");
    EXPECT_EQ(s.store.ReadString("mFileRecent1"), "C:\\Sites\\depot.QLX");
    EXPECT_EQ(s.store.ReadString("mFileRecent4"), "C:\\Sites\\yard.QLX");
    EXPECT_FALSE(s.options.SettingExists("mFileRecent2"));
    EXPECT_TRUE(s.options.GetSettingBool("KRBeforeOthersWarned"));
    EXPECT_TRUE(s.options.GetSettingBool("StandardDevice12"));
    EXPECT_TRUE(s.options.GetSettingBool("StandardDevice999"));
    EXPECT_FALSE(s.options.SettingExists("StandardDevice5"));
    EXPECT_FALSE(s.options.GetSettingBool("FirstTimeDone"));

    // Not done yet: the next start carries the settings again, and with
    // nothing changed the settings file is not touched.
    const auto afterFirst = s.Stamp();
    s.options.MigrateOldSettings(old);
    EXPECT_EQ(s.Stamp(), afterFirst);

    // Once the old file says the first run is done, that is carried too, and
    // from then on the old file is ignored completely.
    s.folder.Write("QUELLAR.INI", "[Options]\r\nFirstTime=Done\r\nUnits=1\r\n");
    s.options.MigrateOldSettings(old);
    EXPECT_TRUE(s.options.GetSettingBool("FirstTimeDone"));
    s.folder.Write("QUELLAR.INI", "[Options]\r\nUnits=2\r\nForm State=Normal\r\n[Device3]\r\nStandard=1\r\n");
    const auto done = s.Stamp();
    s.options.MigrateOldSettings(old);
    EXPECT_EQ(s.Stamp(), done);
    EXPECT_EQ(s.options.GetSettingLong("Units"), 1);
}

namespace {

class FakeWindow : public WindowGeometry {
public:
    WindowState state = WindowState::Normal;
    int width = 640;
    int height = 480;
    ScreenArea area{0, 0, 1920, 1040};
    bool maximized = false;
    int left = -1;
    int top = -1;

    WindowState State() const override { return state; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    void SetGeometry(int l, int t, int w, int h) override { left = l, top = t, width = w, height = h; }
    void Maximize() override { maximized = true; }
    ScreenArea WorkArea() const override { return area; }
};

}  // namespace

TEST(Options, SaveFormSizeStoresOnlyTheStateOfAMaximisedWindow)
{
    Settings s;
    FakeWindow window;
    window.width = 1000;
    window.height = 700;
    s.options.SaveFormSize(window);
    EXPECT_EQ(s.store.ReadString("Form State"), "Normal");
    EXPECT_EQ(s.store.ReadNumber("Form Width"), 1000);
    EXPECT_EQ(s.store.ReadNumber("Form Height"), 700);

    window.state = WindowState::Maximized;
    window.width = 1920;
    s.options.SaveFormSize(window);
    EXPECT_EQ(s.store.ReadString("Form State"), "Maximized");
    EXPECT_EQ(s.store.ReadNumber("Form Width"), 1000);
}

TEST(Options, RestoreFormSizeRules)
{
    const struct {
        const char* name;
        int storedWidth, storedHeight;  // 0: not stored
        const char* storedState;        // nullptr: not stored
        bool useWorkArea, centre;
        WindowState state;
        ScreenArea area;
        int left, top, width, height;
        bool maximized;
    } cases[] = {
        {"stored size centred", 800, 600, "Normal", true, true, WindowState::Normal, {0, 0, 1920, 1040}, 560, 220, 800, 600, false},
        {"odd offsets halve downwards", 800, 600, "Normal", false, true, WindowState::Normal, {10, 20, 1001, 767}, 110, 103, 800, 600, false},
        {"too large for the work area", 3000, 2000, "Normal", false, false, WindowState::Normal, {0, 30, 1280, 994}, 0, 30, 1280, 994, false},
        {"nothing stored, work area", 0, 0, nullptr, true, true, WindowState::Normal, {0, 0, 1920, 1040}, 0, 0, 1920, 1040, true},
        {"nothing stored, own size at the corner", 0, 0, nullptr, false, false, WindowState::Normal, {100, 50, 1920, 1040}, 100, 50, 640, 480, false},
        {"maximised state without work area", 800, 600, "Maximized", false, false, WindowState::Normal, {0, 0, 1920, 1040}, 0, 0, 800, 600, true},
        {"unknown state with work area", 800, 600, "Minimized", true, false, WindowState::Normal, {0, 0, 1920, 1040}, 0, 0, 800, 600, true},
        {"unknown state without work area", 800, 600, "Minimized", false, false, WindowState::Normal, {0, 0, 1920, 1040}, 0, 0, 800, 600, false},
        {"a window not in its normal state", 800, 600, "Maximized", true, false, WindowState::Minimized, {0, 0, 1920, 1040}, 0, 0, 800, 600, false},
    };
    for (const auto& c : cases) {
        Settings s;
        if (c.storedWidth)
            s.options.SetSettingLong("Form Width", c.storedWidth);
        if (c.storedHeight)
            s.options.SetSettingLong("Form Height", c.storedHeight);
        if (c.storedState)
            s.options.SetSettingString("Form State", c.storedState);
        FakeWindow window;
        window.state = c.state;
        window.area = c.area;
        s.options.RestoreFormSize(window, c.useWorkArea, c.centre);
        EXPECT_EQ(window.left, c.left) << c.name;
        EXPECT_EQ(window.top, c.top) << c.name;
        EXPECT_EQ(window.width, c.width) << c.name;
        EXPECT_EQ(window.height, c.height) << c.name;
        EXPECT_EQ(window.maximized, c.maximized) << c.name;
    }
}

TEST(Options, UnknownStoredUnitsWarnAndFallBackToMetric)
{
    Settings s;
    s.options.SetSettingLong("Units", 1);
    ScriptedMessageHost host;
    s.options.LoadUnits(host);
    EXPECT_EQ(s.options.Units(), 1);
    EXPECT_TRUE(host.boxes.empty());

    s.options.SetSettingLong("Units", 7);
    s.options.LoadUnits(host);
    EXPECT_EQ(s.options.Units(), 0);
    EXPECT_EQ(s.options.GetSettingLong("Units"), 0);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].Text, "An unknown type of units has been specified!\n\nChanging to Metric.");
    EXPECT_EQ(host.boxes[0].Style, MsgStyle::Exclamation);
}

TEST(Options, FirstRunUnitsComeFromTheMeasurementSettingAndTheLocale)
{
    const struct {
        const char* iMeasure;
        const char* locale;
        int units;
    } cases[] = {{"1", "0409", 1}, {"1", "1009", 1}, {"0", "0409", 0}, {"1", "0809", 0}, {"", "0409", 0}};
    for (const auto& c : cases) {
        Settings s;
        s.options.DetectUnits(c.iMeasure, c.locale);
        EXPECT_EQ(s.options.Units(), c.units) << c.iMeasure << " " << c.locale;
        EXPECT_TRUE(s.options.SettingExists("Units"));
        EXPECT_EQ(s.options.GetSettingLong("Units"), c.units);
    }
}
