#include "catalogues/DeviceFile.h"

#include "text/RunTimeError.h"
#include "catalogues/UnexpectedError.h"
#include "text/WinINI.h"

#include <new>

DeviceFile::DeviceFile(Catalogue& catalogue, MessageHost& host, const DataFiles& files)
    : catalogue(catalogue), host(host), files(files), place(PlaceText(files.DevicesFile)),
      customPlace(PlaceText(files.CustomDevicesFile))
{
}

std::string DeviceFile::Read(const std::string& section, const std::string& key) const
{
    return WinINI::ReadProfileKey(files.DevicesFile, section, key);
}

bool DeviceFile::Fail(const std::string& text) const
{
    MsgBox(host, text, MsgStyle::OKOnly + MsgStyle::Exclamation);
    return false;
}

bool DeviceFile::Step(const std::string& filePlace, const std::function<bool()>& step) const
{
    for (;;) {
        int number = 0;
        std::string description;
        try {
            return step();
        } catch (const RunTimeError& error) {
            number = error.Number();
            description = error.what();
        } catch (const std::bad_alloc&) {
            number = RunTimeError::OutOfMemory;
            description = "Out of memory";
        } catch (const std::exception& error) {
            number = RunTimeError::InternalError;
            description = error.what();
        }
        switch (ReportUnexpectedError(host, number, description, "reading " + filePlace, "")) {
        case MsgResult::Retry:
            continue;
        case MsgResult::Ignore:
            return true;
        default:
            return false;
        }
    }
}
