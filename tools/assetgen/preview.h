// Preview: play field and menu mock-ups assembled from the art (not shipped).
#pragma once

#include <string>  // Required for: the output folder

namespace assetgen {

// Writes play.png and menu.png into the folder; false on a write failure.
bool WritePreviews(const std::string& folder);

}  // namespace assetgen
