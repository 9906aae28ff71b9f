#include "forms/DeviceTypeChooserCore.h"

#include "catalogues/Catalogue.h"
#include "platform/MessageHost.h"

DeviceTypeChooserCore::DeviceTypeChooserCore(const Catalogue& catalogue) : catalogue_(catalogue)
{
    for (const int family : catalogue.FamilyOrder) {
        if (family == 0 || static_cast<size_t>(family) >= catalogue.DeviceFamilies.size())
            continue;
        const DeviceFamilyRecord& record = catalogue.DeviceFamilies[static_cast<size_t>(family)];
        if (!record.Shown)
            continue;
        FamilyItem item{record.Name, family, {}};
        for (const int code : catalogue.DeviceTypeOrder) {
            const DeviceTypeRecord& type = catalogue.DeviceType(code);
            if (type.Family == family && type.StandaloneOther == 0)
                item.Types.push_back({type.Name, code});
        }
        if (!item.Types.empty())
            outline_.push_back(std::move(item));
    }
    if (!outline_.empty())
        current_ = ItemRef{0, std::nullopt};
}

bool DeviceTypeChooserCore::Contains(const ItemRef& item) const
{
    return item.Family < outline_.size() && (!item.Type || *item.Type < outline_[item.Family].Types.size());
}

void DeviceTypeChooserCore::SetCurrent(std::optional<ItemRef> item)
{
    current_ = item && Contains(*item) ? item : std::nullopt;
}

bool DeviceTypeChooserCore::CheckEnables() const
{
    return current_ && current_->Type;
}

std::optional<int> DeviceTypeChooserCore::OK(MessageHost& host) const
{
    if (!CheckEnables())
        return std::nullopt;
    const int code = outline_[current_->Family].Types[*current_->Type].Code;
    if (!catalogue_.IsSelectableDeviceType(code)) {
        MsgBox(host, NotImplementedMessage, MsgStyle::Information);
        return std::nullopt;
    }
    return code;
}
