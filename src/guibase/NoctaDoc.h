// CNoctaDoc: the document of the single-document arrangement. It holds the path of the picture
// shown last and the recent-picture list (newest first), which outlives the main window so the
// exit step can save it.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

class CNoctaDoc {
public:
    const std::string& PathName() const { return m_pathName; }
    void SetPathName(std::string path) { m_pathName = std::move(path); }

    const std::vector<std::string>& RecentPictures() const { return m_recentPictures; }
    void SetRecentPictures(std::vector<std::string> paths) { m_recentPictures = std::move(paths); }
    // The recent list with `path` at the top (once: an entry already there moves up).
    std::vector<std::string> RecentPicturesWith(const std::string& path) const {
        std::vector<std::string> paths = m_recentPictures;
        paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
        paths.insert(paths.begin(), path);
        return paths;
    }

private:
    std::string m_pathName;
    std::vector<std::string> m_recentPictures;
};
