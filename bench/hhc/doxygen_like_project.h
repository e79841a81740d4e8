// Reference manuals as Doxygen lays them out, at any page count: one folder of class pages with a
// shared style sheet and pictures, a contents file of every page in groups, and a keyword index.
// Page i is the same at every count (its links aside), so cost per file compares across counts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

#include "bench/hhc/help_project.h"

namespace bench {

struct PageShape {
    size_t min_bytes;
    size_t max_bytes;
    size_t image_every;  // every so many pages carry a picture of their own
};
// Class pages of 3 to 6 KB, as most of a generated manual is.
constexpr PageShape kReferencePages{3000, 6000, 25};
// Long pages (file listings, big classes), for a project of about a gigabyte.
constexpr PageShape kLongPages{30000, 60000, 25};

// How many pages of `shape` make about `bytes` of input.
size_t PagesForBytes(std::uintmax_t bytes, const PageShape& shape);

// Writes the project into `folder` (made if missing). Gives "" or why it could not.
std::string GenerateDoxygenLike(const std::filesystem::path& folder, size_t pages, const PageShape& shape,
                                HelpProject& out);

}  // namespace bench
