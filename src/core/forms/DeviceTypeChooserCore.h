#pragma once
// The device-type chooser without its window: the outline of the offered
// device types grouped by family, which item is current, whether OK is
// enabled and what OK returns.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class Catalogue;
class MessageHost;

class DeviceTypeChooserCore {
public:
    static constexpr const char* Caption = "Add Device Type";
    static constexpr const char* ChooseText = "Choose a new device type.";
    static constexpr const char* NoDevicesText =
        "There are no addressable devices to choose from! Select a Device Family in the Options dialogue box.";
    static constexpr const char* ExpandHintText = "(Click on '+' to expand a family of device types)";
    static constexpr const char* NotImplementedMessage = "Sorry, this type is not implemented in the calculator!";

    struct TypeItem {
        std::string Name;
        int Code = 0;
    };
    // A family with the types listed under it; a family without any is left out.
    struct FamilyItem {
        std::string Name;
        int Family = 0;
        std::vector<TypeItem> Types;
    };
    // An outline item: a family, or one of its types when Type is set.
    struct ItemRef {
        size_t Family = 0;
        std::optional<size_t> Type;
    };

    // Shown families other than 0, in the catalogue's family order; within
    // each, the types of that family in display order that do not stand for
    // an Other Device. The first item becomes current.
    explicit DeviceTypeChooserCore(const Catalogue& catalogue);

    const std::vector<FamilyItem>& Outline() const { return outline_; }
    bool IsEmpty() const { return outline_.empty(); }
    // The heading: the choice, or why there is none.
    std::string HeadingText() const { return IsEmpty() ? NoDevicesText : ChooseText; }

    std::optional<ItemRef> Current() const { return current_; }
    // An item outside the outline makes none current.
    void SetCurrent(std::optional<ItemRef> item);

    // OK is enabled exactly when the current item is a device type.
    bool CheckEnables() const;
    // The current type's code; nothing while OK is disabled, and nothing
    // (after saying so) for a type the calculator cannot select.
    std::optional<int> OK(MessageHost& host) const;

private:
    bool Contains(const ItemRef& item) const;

    const Catalogue& catalogue_;
    std::vector<FamilyItem> outline_;
    std::optional<ItemRef> current_;
};
