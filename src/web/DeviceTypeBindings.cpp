// The device-type chooser to JavaScript: the outline of device types by
// family, the current item, whether OK is enabled and what OK returns, as
// frmDeviceType uses DeviceTypeChooserCore.

#include "forms/DeviceTypeChooserCore.h"
#include "web/WebSession.h"
#include "web/WebValues.h"

#include <emscripten/bind.h>

namespace {

using emscripten::val;

// frmDeviceType over the session's catalogue; the session outlives it.
class DeviceTypeChooser {
public:
    explicit DeviceTypeChooser(WebSession& session) : session_(session), core_(session.catalogue()) {}

    std::string Caption() const { return DeviceTypeChooserCore::Caption; }
    std::string HeadingText() const { return core_.HeadingText(); }
    std::string ExpandHint() const { return DeviceTypeChooserCore::ExpandHintText; }
    bool IsEmpty() const { return core_.IsEmpty(); }

    val Outline() const
    {
        return ArrayOf(core_.Outline(), [](const DeviceTypeChooserCore::FamilyItem& family) {
            val item = val::object();
            item.set("name", family.Name);
            item.set("family", family.Family);
            item.set("types", ArrayOf(family.Types, [](const DeviceTypeChooserCore::TypeItem& type) {
                         val entry = val::object();
                         entry.set("name", type.Name);
                         entry.set("code", type.Code);
                         return entry;
                     }));
            return item;
        });
    }

    // The current item: {family, type} with type null for a family; null for none.
    val Current() const
    {
        const auto current = core_.Current();
        if (!current)
            return val::null();
        val item = val::object();
        item.set("family", current->Family);
        item.set("type", current->Type ? val(*current->Type) : val::null());
        return item;
    }
    // `family` null makes none current; `type` null the family itself.
    void SetCurrent(const val& family, const val& type)
    {
        if (!family.isNumber()) {
            core_.SetCurrent(std::nullopt);
            return;
        }
        DeviceTypeChooserCore::ItemRef item{family.as<size_t>(), std::nullopt};
        if (type.isNumber())
            item.Type = type.as<size_t>();
        core_.SetCurrent(item);
    }

    bool CheckEnables() const { return core_.CheckEnables(); }
    // The chosen type's code, or null (after saying why when it cannot be chosen).
    val OK() const { return OrNull(core_.OK(session_.host())); }

private:
    WebSession& session_;
    DeviceTypeChooserCore core_;
};

}  // namespace

EMSCRIPTEN_BINDINGS(ferrolux_device_type)
{
    using namespace emscripten;
    class_<DeviceTypeChooser>("DeviceTypeChooser")
        .constructor<WebSession&>()
        .function("caption", &DeviceTypeChooser::Caption)
        .function("headingText", &DeviceTypeChooser::HeadingText)
        .function("expandHint", &DeviceTypeChooser::ExpandHint)
        .function("isEmpty", &DeviceTypeChooser::IsEmpty)
        .function("outline", &DeviceTypeChooser::Outline)
        .function("current", &DeviceTypeChooser::Current)
        .function("setCurrent", &DeviceTypeChooser::SetCurrent)
        .function("checkEnables", &DeviceTypeChooser::CheckEnables)
        .function("ok", &DeviceTypeChooser::OK);
}
