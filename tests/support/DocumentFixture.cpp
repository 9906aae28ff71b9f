#include "support/DocumentFixture.h"

#include "document/NewDocument.h"

DocumentCatalogue::DocumentCatalogue()
{
    DeviceFamilies.push_back({"Detectors", "1", "ALL", false, false});
    DeviceFamilies.push_back({"Sounders", "2", "ALL", false, false});
    DeviceFamilies.push_back({"Modules", "3", "ALL", false, false});
    FamilyOrder = {0, 1, 2};

    const int16_t remoteBit = AddOutputBit(3);
    optical = AddDeviceType({.Name = "Optical Detector", .Quiescent = 300, .Alarm = 4000, .BaseType = 1,
                             .Family = Detectors});
    heat = AddDeviceType({.Name = "Heat Detector", .Quiescent = 250, .Alarm = 3500, .BaseType = 1,
                          .Family = Detectors});
    master = AddDeviceType({.Name = "Master Module", .Quiescent = 500, .Alarm = 900, .NoOtherDevices = true,
                            .IsMaster = true, .Family = Modules});
    slaveBase = AddDeviceType({.Name = "Slave Base", .Quiescent = 100, .Alarm = 200, .NoOtherDevices = true,
                               .IsSlave = true, .BaseType = 1, .Family = Modules});
    remoteModule = AddDeviceType({.Name = "Remote Output Module", .Quiescent = 350, .Alarm = 700,
                                  .Family = Modules, .Outputs = {{remoteBit, 0}}});
    unselectable = AddDeviceType({.Name = "Withdrawn Type", .Family = Detectors, .IconNumber = 0});
    standaloneBase = AddDeviceType({.Name = "Call Point Base", .Family = Modules});
    customSensor = AddDeviceType({.Name = "Site Special Sensor", .Quiescent = 320, .Alarm = 3000,
                                  .BaseType = 1, .Family = Sounders});
    DeviceTypes[static_cast<size_t>(customSensor)].IsCustom = true;
    while (DeviceTypes.size() <= static_cast<size_t>(NewRelay)) {
        const auto position = static_cast<int16_t>(DeviceTypes.size());
        std::string name = "Filler " + std::to_string(position);
        int16_t family = Detectors;
        if (position == OldSounderBase || position == NewSounderBase) {
            name = position == OldSounderBase ? "Old Sounder Base" : "New Sounder Base";
            family = Sounders;
        } else if (position == OldRelay || position == NewRelay) {
            name = position == OldRelay ? "Old Relay" : "New Relay";
            family = Modules;
        }
        AddDeviceType({.Name = name, .Quiescent = 200, .Alarm = 1000, .BaseType = 1, .Family = family});
    }

    beacon = AddOtherDevice({.Name = "Beacon", .Quiescent = 50, .Alarm = 8000, .Number = 3, .Family = Sounders});
    relayBase = AddOtherDevice({.Name = "Relay Base", .Quiescent = 40, .Alarm = 60, .IsBase = true, .Base = 1,
                                .Number = 7});
    callPoint = AddOtherDevice({.Name = "Call Point", .Quiescent = 20, .Alarm = 30, .IsStandalone = true,
                                .Number = 9});
    lineIsolator = AddOtherDevice({.Name = "Line Isolator", .Quiescent = 15, .Alarm = 25, .Impedance = 11,
                                   .IsStandalone = true, .Number = 10});
    remoteIndicator = AddOtherDevice({.Name = "Remote Indicator", .Quiescent = 10, .Alarm = 2000,
                                      .FromRemote = true, .Number = 5});
    customStrobe = AddOtherDevice({.Name = "Site Strobe", .Quiescent = 60, .Alarm = 9000, .Number = 12});
    customBase = AddOtherDevice({.Name = "Site Base", .Quiescent = 30, .Alarm = 30, .IsBase = true, .Number = 13});
    sounder = AddOtherDevice({.Name = "Sounder", .Quiescent = 70, .Alarm = 6000, .Number = 2, .Family = Modules});
    for (const int16_t custom : {customStrobe, customBase}) {
        OtherDeviceRecord& record = OtherDevices[static_cast<size_t>(custom)];
        record.IsCustom = true;
        record.Id = "Custom_" + record.Name;
    }
    // Plural names differ from single ones, as the format keys on the latter.
    for (size_t i = 1; i < OtherDevices.size(); ++i)
        OtherDevices[i].Name = OtherDevices[i].SingleName + "s";
    DeviceTypes[static_cast<size_t>(standaloneBase)].StandaloneOther = callPoint;

    PanelRecord standard;
    standard.Name = "Standard 8-Loop";
    standard.Loops = 8;
    standard.Outputs = 96;
    standard.AlarmLEDs = 20;
    standard.RemoteLEDs = 20;
    standard.MaxLoopCurrent = 500;
    standard.MaxTotalCurrent = 3000;
    standard.MinLoopVoltage = 1700;
    standard.DriverImpedance = 100;
    Panels.push_back(standard);
    PanelRecord unknown = standard;
    unknown.Name = "Unknown Panel";
    unknown.Outputs = 40;
    Panels.push_back(unknown);
    CurrentPanel = StandardPanel;

    AddCable("1.5 mm2 screened", DefaultImpedance, true);
    AddCable("2.5 mm2 screened", 740, true);
    AddCable("1.0 mm2 screened", 1810, false);
}

DocumentFixture::DocumentFixture()
{
    options.SetLastCableImpedance(1000);
    options.SetLastCalcType(CalculationType::MaxCableRun);
}

Document DocumentFixture::NewEmptyDocument()
{
    Document document(catalogue, [this] { return now; });
    NewDocument(document, CurrentLoopDefaults(options, catalogue));
    return document;
}

DocumentReadResult DocumentFixture::Read(Document& document, const std::string& path, bool readOnlyRequest)
{
    return ReadDocument(document, path, readOnlyRequest, services);
}

std::string DocumentFixture::WriteVersion1File(const std::string& name, const std::string& sections)
{
    return folder.Write(name, ";Configuration data for Harvex Zephan Dralonix\r\n"
                              "[Dralon]\r\n"
                              "CreatedDate=2023-01-02 03:04:05\r\n"
                              "DataFormat=1\r\n"
                              "SiteName=\"Test Site\"\r\n"
                              "ModifiedDate=2023-06-07 08:09:10\r\n"
                              "PanelType=\"Standard 8-Loop\"\r\n" +
                                  sections);
}
