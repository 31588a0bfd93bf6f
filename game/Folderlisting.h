#pragma once
// The entries of a folder whose names end in an extension such as ".jpg",
// ignoring case, sorted by name ignoring case. Names are bytes: whatever the
// file system allows is listed as it is. Regular files and folders are
// listed, as a wildcard listing would; other kinds of entry (sockets,
// devices, pipes) are passed over. A missing folder lists nothing.
#include <string>
#include <vector>

std::vector<std::string> findMatchingFiles(const std::string& folder, const std::string& extension);
