#include "platform/RecentlyUsed.h"

#include "platform/FileSystem.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace RecentlyUsed {

namespace {

std::string XmlEscaped(const std::string& text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&apos;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string BookmarkEntry(const std::string& address, const std::string& application, const std::string& command,
                          const std::string& time)
{
    return "  <bookmark href=\"" + XmlEscaped(address) + "\" added=\"" + time + "\" modified=\"" + time +
           "\" visited=\"" + time + "\">\n"
           "    <info>\n"
           "      <metadata owner=\"http://freedesktop.org\">\n"
           "        <mime:mime-type type=\"application/octet-stream\"/>\n"
           "        <bookmark:applications>\n"
           "          <bookmark:application name=\"" +
           XmlEscaped(application) + "\" exec=\"" + XmlEscaped("'" + command + "'") + "\" modified=\"" + time +
           "\" count=\"1\"/>\n"
           "        </bookmark:applications>\n"
           "      </metadata>\n"
           "    </info>\n"
           "  </bookmark>\n";
}

constexpr const char* EmptyList = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<xbel version=\"1.0\"\n"
                                  "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
                                  "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
                                  ">\n"
                                  "</xbel>\n";

// Replaces the value of one attribute inside [from, to) of the text.
void SetAttribute(std::string& text, size_t from, size_t to, const std::string& name, const std::string& value)
{
    const std::string key = " " + name + "=\"";
    const size_t at = text.find(key, from);
    if (at == std::string::npos || at >= to)
        return;
    const size_t start = at + key.size();
    const size_t end = text.find('"', start);
    if (end != std::string::npos && end < to)
        text.replace(start, end - start, value);
}

}  // namespace

std::string DefaultListPath()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return std::string(dataHome) + "/recently-used.xbel";
    const char* home = std::getenv("HOME");
    return home && home[0] ? std::string(home) + "/.local/share/recently-used.xbel" : std::string();
}

std::string FileAddress(const std::string& path)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string address = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || std::string_view("/-._~").find(c) != std::string_view::npos;
        if (plain) {
            address += c;
        } else {
            address += '%';
            address += Hex[byte >> 4];
            address += Hex[byte & 0x0F];
        }
    }
    return address;
}

std::string TimestampNow()
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S.000000Z", &utc);
    return text;
}

void AddFile(const std::string& listPath, const std::string& file, const std::string& application,
             const std::string& command, const std::string& timestamp)
{
    if (listPath.empty() || file.empty())
        return;
    std::string list = FileSystem::ReadFileBytes(listPath).value_or(EmptyList);
    const size_t close = list.rfind("</xbel>");
    if (close == std::string::npos)
        return;  // not a list we understand: leave it as it is

    const std::string address = XmlEscaped(FileAddress(file));
    const size_t listed = list.find("<bookmark href=\"" + address + "\"");
    if (listed != std::string::npos) {
        const size_t end = list.find('>', listed);
        SetAttribute(list, listed, end, "modified", timestamp);
        SetAttribute(list, listed, end, "visited", timestamp);
    } else {
        list.insert(close, BookmarkEntry(FileAddress(file), application, command, timestamp));
    }
    FileSystem::WriteFileAtomically(listPath, list);
}

}  // namespace RecentlyUsed
