#include "catalogues/FieldTypes.h"

#include "text/CSV.h"
#include "text/LeadingNumber.h"
#include "catalogues/DeviceFile.h"
#include "catalogues/Letters.h"
#include "text/TextConversion.h"

#include <algorithm>

using CSV::GetCSVField;

namespace {

constexpr int FieldsPerDevice = 15;

std::string UpperField(std::string_view definition, int n)
{
    return UpperCase(GetCSVField(definition, n));
}

bool BeginsWithT(std::string_view definition, int n)
{
    return BeginsWithLetter(GetCSVField(definition, n), 'T');
}

}  // namespace

bool ParseFieldType(const DeviceFile& file, std::string_view definition, int t, const std::string& suffix,
                    FieldTypeRecord& type)
{
    const std::string about = std::to_string(t) + " " + suffix;
    FieldTypeRecord parsed;
    parsed.Name = GetCSVField(definition, 1);

    // The default is a number 0 to 255 or a letter for a value the device
    // itself supplies.
    const std::string defaultValue = UpperField(definition, 2);
    if (defaultValue == "T") {
        parsed.DefaultValue = -1;
    } else if (defaultValue == "D") {
        parsed.DefaultValue = -2;
    } else if (defaultValue == "A") {
        parsed.DefaultValue = -3;
    } else if (IsNumericText(defaultValue)) {
        if (!CSV::ReadIntegerField(file.host, definition, 2, parsed.DefaultValue, 0, 255,
                                   "Default value for Field type " + about))
            return false;
    } else {
        return file.Fail("Invalid value for default value for Field Type " + about);
    }

    parsed.Flag3 = UpperField(definition, 3) == "T";
    const std::string mask = UpperField(definition, 4);
    if (mask == "T")
        parsed.PcReadOnlyMask = 255;
    else if (mask == "F")
        parsed.PcReadOnlyMask = 0;
    else if (!CSV::ReadByteField(file.host, definition, 4, parsed.PcReadOnlyMask, 0, 255,
                                 "Bit mask for PC read only for Field Type " + about))
        return false;
    parsed.Flag5 = UpperField(definition, 5) == "T";
    parsed.Flag6 = UpperField(definition, 6) == "T";
    parsed.Flag7 = UpperField(definition, 7) == "T";
    parsed.Value8 = TextConversion::ToLong(GetCSVField(definition, 8));

    const std::string mode = UpperField(definition, 9);
    if (mode == "D")
        parsed.DisplayMode = 0;
    else if (mode == "B")
        parsed.DisplayMode = 1;
    else if (mode == "H")
        parsed.DisplayMode = 2;
    else
        return file.Fail("Invalid default display mode for Field Type " + about);

    parsed.Flag10 = BeginsWithT(definition, 10);
    parsed.Flag14 = BeginsWithT(definition, 14);
    parsed.Text11 = GetCSVField(definition, 11);
    // Field 12 is itself a list, written with semicolons inside the comma list.
    std::string sub = GetCSVField(definition, 12);
    std::replace(sub.begin(), sub.end(), ';', ',');
    for (size_t i = 0; i < parsed.SubValues.size(); ++i)
        parsed.SubValues[i] = TextConversion::ToInteger(GetCSVField(sub, static_cast<int>(i) + 1));
    parsed.SubText = GetCSVField(sub, 5);
    parsed.SubFlag = BeginsWithLetter(GetCSVField(sub, 6), 'T');
    parsed.Flag13 = BeginsWithT(definition, 13);
    parsed.Code15 = BeginsWithT(definition, 15) ? 5 : -1;
    parsed.Code16 = BeginsWithT(definition, 16) ? 6 : -1;

    type = parsed;
    return true;
}

bool ReadDataFields(const DeviceFile& file, int32_t fieldRange, const std::string& suffix, DeviceTypeRecord& type)
{
    const std::string fields = file.Read("Fields", "Field" + std::to_string(fieldRange));
    if (fields.empty())
        return file.Fail("Invalid value for Field Range " + suffix);

    std::vector<FieldTypeRecord>& table = file.catalogue.FieldTypes;
    type.SpecialFieldA = type.SpecialFieldB = type.SpecialFieldC = -1;
    for (int j = 0; j < FieldsPerDevice; ++j) {
        const std::string about = std::to_string(j) + " " + suffix;
        int16_t t = 0;
        if (!CSV::ReadIntegerField(file.host, fields, j + 1, t, 0, 255, "Field type for field " + about))
            return false;
        type.FieldTypes[static_cast<size_t>(j)] = t;

        const std::string definition = file.Read("FieldTypes", "FieldType" + std::to_string(t));
        if (definition.empty())
            return file.Fail("Invalid value for Field Type for field  " + about);
        const auto at = static_cast<size_t>(t);
        if (table.size() <= at)
            table.resize(at + 1);
        // Parsed once: a record still without a name has not been read yet.
        if (table[at].Name.empty() && !ParseFieldType(file, definition, t, suffix, table[at]))
            return false;

        if (table[at].Flag10)
            type.SpecialFieldA = static_cast<int16_t>(j);
        if (table[at].Code15 != -1)
            type.SpecialFieldB = static_cast<int16_t>(j);
        if (table[at].Code16 != -1)
            type.SpecialFieldC = static_cast<int16_t>(j);
    }
    type.ProtocolText = type.Protocol == 3 ? GetCSVField(fields, 17) : "";
    return true;
}
