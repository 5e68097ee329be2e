#include "htl/HTL_Path.h"

#include "htl/HTL_Exception.h"
#include "htl/HTL_MessageHandler.h"
#include "htl/HTL_PlaceholderText.h"
#include "htl/HTL_StringUtils.h"

#include <cerrno>
#include <cstring>
#include <new>
#include <vector>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace HTL {

namespace {

bool startsWithDrive(const std::string &p)
{
    return p.size() >= 2 && p[1] == ':';
}

} // namespace

Path::Path(const std::string &path)
{
    set(path);
}

Path::Path(const char *path)
{
    set(path ? std::string(path) : std::string());
}

Path &Path::operator=(const std::string &path)
{
    set(path);
    return *this;
}

Path &Path::operator=(const char *path)
{
    set(path ? std::string(path) : std::string());
    return *this;
}

void Path::set(const std::string &path)
{
    std::string p = trimText(path, " \t\r");
    for (char &c : p)
        if (c == '\\')
            c = '/';
    if (p.size() > 1 && p.back() == '/')
        p.pop_back();

    // ".." only has a fixed meaning in absolute paths; relative ones keep it.
    if (p.size() > 3 && p.find("/../") != std::string::npos &&
        (p[0] == '/' || startsWithDrive(p))) {
        const bool leadingSlash = p[0] == '/';
        std::vector<std::string> parts;
        std::size_t start = 0;
        while (start <= p.size()) {
            std::size_t end = p.find('/', start);
            if (end == std::string::npos)
                end = p.size();
            if (end > start)
                parts.push_back(p.substr(start, end - start));
            start = end + 1;
        }
        std::vector<std::string> kept;
        for (const std::string &part : parts) {
            if (part == "..") {
                // The parent of the root is the root itself.
                if (!kept.empty())
                    kept.pop_back();
            } else {
                kept.push_back(part);
            }
        }
        std::string joined = leadingSlash ? "/" : "";
        for (std::size_t i = 0; i < kept.size(); ++i) {
            if (i > 0)
                joined += '/';
            joined += kept[i];
        }
        p = joined;
    }

    if (p.size() >= 3 && p[0] == '.' && p[1] == '/')
        p.erase(0, 2);
    m_path = p;
}

std::string Path::filename() const
{
    if (m_path.empty())
        throw Exception(PlaceholderText("Invalid path: '%1'").arg(m_path), "[Path::filename]");
    const std::size_t pos = m_path.rfind('/');
    if (pos == std::string::npos)
        return m_path;
    return m_path.substr(pos + 1);
}

Path Path::parentPath() const
{
    if (m_path.empty())
        throw Exception(PlaceholderText("Invalid path: '%1'").arg(m_path), "[Path::parentPath]");
    if (m_path.size() == 2 && m_path[1] == ':')
        throw Exception("No parent possible.", "[Path::parentPath]");
    const std::size_t pos = m_path.rfind('/');
    if (pos == std::string::npos)
        return Path(".");
    if (pos == 0)
        return Path("/"); // a file directly in the root directory
    return Path(m_path.substr(0, pos));
}

Path Path::absolutePath() const
{
    if (m_path.empty())
        return *this;
    if (m_path[0] == '/' || startsWithDrive(m_path))
        return *this;
    std::string rel = m_path;
    if (rel.size() >= 2 && rel[0] == '.' && rel[1] == '/')
        rel.erase(0, 2);
    else if (rel == ".")
        return current();
    const Path cwd = current();
    if (cwd.isEmpty())
        return Path(rel);
    if (cwd.str() == "/")
        return Path("/" + rel);
    return Path(cwd.str() + "/" + rel);
}

bool Path::exists() const
{
    if (m_path.empty())
        return false;
    struct stat info;
    return ::stat(m_path.c_str(), &info) == 0;
}

bool Path::makePath() const
{
    if (exists())
        return true;
    if (m_path.empty())
        return false;
    const Path parent = parentPath();
    if (parent != *this && !parent.exists())
        parent.makePath();
    // Permissions 0777 are reduced by the process's umask, as for any directory a user creates.
    if (::mkdir(m_path.c_str(), 0777) != 0) {
        const int err = errno;
        if (err == EEXIST && exists())
            return true; // created meanwhile by someone else
        const char *reason = std::strerror(err);
        std::string errorText =
            reason ? std::string(reason)
                   : "Cannot retrieve error message with id " + std::to_string(err);
        message(PlaceholderText("%1\nError in mkdir().").arg(errorText).str(), MSG_ERROR,
                "[HTL_Path::makePath]", -1);
        return false;
    }
    return true;
}

Path Path::current()
{
    // Directory names can be longer than any fixed buffer: grow it until the name fits, up to a
    // sane limit.
    const std::size_t maxSize = 1 << 20;
    std::size_t size = 1024;
    while (true) {
        std::vector<char> buffer;
        try {
            buffer.resize(size);
        } catch (const std::bad_alloc &) {
            message(PlaceholderText("Out of memory! Can not reserve %1 bytes")
                        .arg(static_cast<unsigned long long>(size))
                        .str(),
                    MSG_ERROR, "[current()]", -1);
            return Path();
        }
        if (::getcwd(buffer.data(), buffer.size()) != nullptr)
            return Path(std::string(buffer.data()));
        if (errno != ERANGE) {
            message("Couldn't deduce user directory. ", MSG_ERROR, "[current()]", -1);
            return Path();
        }
        if (size >= maxSize) {
            message(PlaceholderText("Path longer than %1 characters")
                        .arg(static_cast<unsigned long long>(size))
                        .str(),
                    MSG_ERROR, "[current()]", -1);
            return Path();
        }
        size *= 2;
    }
}

} // namespace HTL
