#include "ExampleSites.h"

#include "catalogues/CatalogueStartup.h"
#include "catalogues/PanelCatalogue.h"
#include "document/Document.h"
#include "document/NewDocument.h"
#include "document/LoopEditing.h"
#include "document/LoopPlacement.h"

#include <utility>

namespace {

// One step after another, stopping at the first the catalogue refuses.
class SiteBuilder {
public:
    SiteBuilder(Document& document, BundledCatalogue& bundled, std::string& problem)
        : document_(document), bundled_(bundled), problem_(problem)
    {
    }

    bool Start(const std::string& siteName, const std::string& panel)
    {
        if (!SelectPanelByName(bundled_.catalogue, bundled_.options, panel))
            return Fail("no panel " + panel);
        NewDocument(document_, CurrentLoopDefaults(bundled_.options, bundled_.catalogue));
        document_.SiteName = siteName;
        return true;
    }

    // Name, cable impedance (hundredths of an ohm per km), total and first
    // run in metres, calculation type.
    bool Loop(int loop, const std::string& name, int16_t impedance, int32_t totalMetres, int32_t firstMetres,
              CalculationType calcType = CalculationType::MaxVoltDrop)
    {
        document_.LoopName(loop) = name;
        clsCalculator& model = document_.Loop(loop);
        model.SetCableImpedance(impedance);
        model.SetCableTotal(totalMetres * 10);
        model.SetCableFirst(firstMetres * 10);
        model.SetCalcType(calcType);
        return true;
    }

    // Interface LEDs off, as in rooms where people sleep.
    bool InterfaceLedsDisabled(int loop)
    {
        document_.Loop(loop).SetDINLEDsDisabled(true);
        return true;
    }

    bool Devices(int loop, const std::string& typeName, int32_t count)
    {
        const int type = bundled_.catalogue.FindDeviceType(typeName);
        if (type <= 0)
            return Fail("no device type " + typeName);
        const LoopEditing::Outcome placed = LoopEditing::SetDeviceQuantity(
            document_, loop, type, LoopPlacement::CountOfType(document_, loop, type) + count);
        return placed || Fail(typeName + ": " + placed.Message);
    }

    bool Others(int loop, const std::string& singleName, int32_t count)
    {
        const auto& others = bundled_.catalogue.OtherDevices;
        for (size_t other = 1; other < others.size(); ++other) {
            if (others[other].SingleName != singleName)
                continue;
            const int kind = static_cast<int>(other);
            const LoopEditing::Outcome attached =
                LoopEditing::SetOtherQuantity(document_, loop, kind, document_.Loop(loop).QtyOthers(kind) + count);
            return attached || Fail(singleName + ": " + attached.Message);
        }
        return Fail("no Other Device " + singleName);
    }

    // The addresses from `first` on, `count` of them, wired one after every
    // `every` devices along the cable (isolators spread along a loop).
    bool WiredEvery(int loop, int first, int count, int every)
    {
        clsCalculator& model = document_.Loop(loop);
        for (int k = 0; k < count; ++k)
            model.SetAddressOrder(first + k, (k + 1) * (every + 1));
        return true;
    }

    // Distances along the cable as surveyed: the first device at the end of
    // the first run, then the spacings in turn, each device in cable order.
    bool Surveyed(int loop, std::initializer_list<int32_t> spacingDecimetres)
    {
        clsCalculator& model = document_.Loop(loop);
        int32_t position = model.CableFirst();
        auto spacing = spacingDecimetres.begin();
        for (int p = 0; p < clsCalculator::AddressCount; ++p) {
            const int a = model.AddressAtPosition(p);
            if (model.DeviceType(a) == 0)
                continue;
            model.SetCablePosition(a, position);
            position += *spacing;
            if (++spacing == spacingDecimetres.end())
                spacing = spacingDecimetres.begin();
        }
        return position <= model.CableTotal() || Fail("the survey runs beyond the cable");
    }

    // The standby battery: the rule, the loads powered beside the loops and
    // the battery fitted (hundredths of an Ah).
    bool Power(PowerRule rule, std::vector<AncillaryLoad> loads, int32_t fittedBattery)
    {
        document_.Power.Rule = rule;
        document_.Power.Loads = std::move(loads);
        document_.Power.FittedBattery = fittedBattery;
        return true;
    }

private:
    bool Fail(const std::string& problem)
    {
        problem_ = problem;
        return false;
    }

    Document& document_;
    BundledCatalogue& bundled_;
    std::string& problem_;
};

constexpr int16_t Metric1_0 = 1810;   // 1.0 mm², the thinnest offered by default
constexpr int16_t Metric1_5 = 1210;  // 1.5 mm²
constexpr int16_t Metric2_5 = 741;   // 2.5 mm²

// A small office on a single-loop panel, well within every limit, its
// devices at the distances along the cable a survey gave. Three of its call
// points carry isolators, wired as the 10th, 20th and 30th devices, so that a
// short circuit takes out at most 11 of its 40 points.
bool BuildNorthgateOffices(Document& document, BundledCatalogue& bundled, std::string& problem)
{
    SiteBuilder site(document, bundled, problem);
    return site.Start("Northgate Offices", "Quellar QX-1 Single Loop") &&
           site.Loop(1, "Ground and first floor", Metric1_5, 420, 12) &&
           site.Devices(1, "Optical Smoke Detector", 24) && site.Devices(1, "Heat Detector Rate-of-Rise", 4) &&
           site.Devices(1, "Manual Call Point with Isolator", 3) && site.Devices(1, "Manual Call Point", 3) &&
           site.Devices(1, "Wall Sounder Beacon", 6) && site.WiredEvery(1, 29, 3, 9) &&
           site.Surveyed(1, {60, 95, 140, 70});
}

// A warehouse on a four-loop panel: the yard loop's sounders drop too many
// volts over its long run of the thinnest cable, and the offices loop has 46
// points and no isolator, so a short circuit takes out more than the 32 the
// panel allows (both on purpose, to show a failing design). The racking
// loop's devices, call points with isolators among them, are at the
// distances a survey gave.
bool BuildRiversideWarehouse(Document& document, BundledCatalogue& bundled, std::string& problem)
{
    SiteBuilder site(document, bundled, problem);
    return site.Start("Riverside Warehouse", "Quellar QX-4 Four Loop") &&
           site.Loop(1, "Offices", Metric1_5, 380, 20) && site.Devices(1, "Optical Smoke Detector", 30) &&
           site.Devices(1, "Manual Call Point", 8) && site.Devices(1, "Wall Sounder Beacon", 8) &&
           site.Loop(2, "Racking north", Metric2_5, 650, 40) && site.Devices(2, "Multisensor Detector", 40) &&
           site.Devices(2, "Manual Call Point with Isolator", 10) && site.Devices(2, "Wall Sounder", 12) &&
           site.WiredEvery(2, 41, 10, 5) && site.Surveyed(2, {80, 95, 110, 90}) &&
           site.Loop(3, "Racking south", Metric2_5, 700, 60) && site.Devices(3, "Optical Beam Detector", 6) &&
           site.Devices(3, "Manual Call Point", 10) && site.Devices(3, "Wall Sounder", 12) &&
           site.Devices(3, "Relay Output Module", 4) &&
           site.Loop(4, "Yard and loading bays", Metric1_0, 2000, 150) &&
           site.Devices(4, "Weatherproof Manual Call Point", 12) && site.Devices(4, "Voice Sounder", 18) &&
           site.Devices(4, "Wall Beacon", 10);
}

// A hotel whose detectors carry Other Devices: remote indicators on remote
// outputs, sounder bases, a Master sounder base driving slave sounder bases
// and standalone slave wall sounders, and standalone line isolators, the
// second wired after the 25th device so that no section between isolators
// holds more than 25 of the bedroom loop's 50 points. The bedroom loop has
// its devices' interface LEDs disabled. Its battery carries
// a repeater panel at reception and two bell circuits in the kitchen.
bool BuildHarbourHotel(Document& document, BundledCatalogue& bundled, std::string& problem)
{
    SiteBuilder site(document, bundled, problem);
    return site.Start("Harbour Hotel", "Quellar QX-2 Two Loop") &&
           site.Loop(1, "Bedrooms", Metric1_5, 520, 25) && site.InterfaceLedsDisabled(1) &&
           site.Devices(1, "Optical Smoke Detector with Remote Output", 20) &&
           site.Others(1, "Remote Indicator", 20) && site.Devices(1, "Heat Detector Rate-of-Rise", 6) &&
           site.Devices(1, "Manual Call Point", 6) && site.Devices(1, "Master Sounder Base", 2) &&
           site.Devices(1, "Optical Smoke Detector", 8) && site.Devices(1, "Slave Sounder Base", 8) &&
           site.Others(1, "Slave Wall Sounder", 3) && site.Others(1, "Line Isolator Module", 2) &&
           site.WiredEvery(1, 5, 1, 24) &&
           site.Loop(2, "Restaurant and kitchen", Metric1_5, 300, 10) &&
           site.Devices(2, "Heat Detector with Remote Output", 12) && site.Others(2, "Sounder Base", 6) &&
           site.Devices(2, "Heat Detector Fixed 78C", 5) && site.Devices(2, "Manual Call Point", 4) &&
           site.Power(PowerRule::BS5839,
                      {{"Repeater panel at reception", 1, Currency::FromInteger(45), Currency::FromInteger(90)},
                       {"Kitchen bell circuit", 2, Currency::FromInteger(2), Currency::FromInteger(180)}},
                      1200);
}

}  // namespace

const std::vector<ExampleSite>& ExampleSites()
{
    static const std::vector<ExampleSite> sites{
        {"Northgate-Offices.QLX", BuildNorthgateOffices},
        {"Riverside-Warehouse.QLX", BuildRiversideWarehouse},
        {"Harbour-Hotel.QLX", BuildHarbourHotel},
    };
    return sites;
}
