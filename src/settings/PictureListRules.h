#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/ParameterRecords.h"

namespace tessmark {

// The picture-list dialogs keep their list sorted alphabetically without regard to letter case,
// as a sorted list box does.
bool LessIgnoringCase(std::string_view a, std::string_view b);

// True when an entry begins with path, compared without regard to case: such a path counts as
// listed already (so "leaf" is refused when "leaf.bak" is listed).
bool ListHasEntryBeginningWith(const PictureFiles& list, std::string_view path);

// Adds each path in order at its sorted place, unless the rule above says it is listed already.
void AddPicturePaths(PictureFiles& list, const std::vector<std::string>& paths);

// The list as the dialog shows it: sorted, equal entries in stored order.
PictureFiles SortedPictureList(PictureFiles list);

}  // namespace tessmark
