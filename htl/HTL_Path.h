#pragma once

#include <string>

namespace HTL {

/*! A file-system path kept in one normalised UTF-8 form.

    After every assignment the text has no surrounding blanks, tabs or carriage returns, uses
    forward slashes only, has no trailing slash (unless it is a single character), no leading
    "./" (unless shorter than three characters), and ".." elements of absolute paths are
    resolved. Relative paths keep their ".." elements because they only mean something against
    a base directory.
*/
class Path
{
public:
    Path() = default;
    Path(const std::string &path);
    Path(const char *path);

    Path &operator=(const std::string &path);
    Path &operator=(const char *path);

    const std::string &str() const { return m_path; }
    bool isEmpty() const { return m_path.empty(); }

    /*! The part after the last "/". Throws HTL::Exception for an empty path. */
    std::string filename() const;
    /*! The part before the last "/", or "." for a path without "/". Throws HTL::Exception for an
        empty path and for a bare drive such as "C:". */
    Path parentPath() const;
    /*! Relative paths are appended to the current working directory; absolute paths (starting
        with "/" or a drive letter and ":") are returned as they are. */
    Path absolutePath() const;
    /*! Whether the file-system entry exists. */
    bool exists() const;
    /*! Creates the directory and all missing parents; true if it exists afterwards. Failures are
        reported through the message handler, not thrown. */
    bool makePath() const;

    /*! The process's current working directory; an empty path (and an error message) when it
        cannot be determined. */
    static Path current();

    bool operator==(const Path &other) const { return m_path == other.m_path; }
    bool operator!=(const Path &other) const { return m_path != other.m_path; }

private:
    void set(const std::string &path);

    std::string m_path;
};

} // namespace HTL
