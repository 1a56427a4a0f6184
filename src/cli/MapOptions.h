#pragma once

#include <string>
#include <string_view>

#include "textureset/MapRequest.h"

namespace tessmark::cli {

// NAME=FILE[,start=RRGGBB][,fill=RRGGBB;...][,noise=0|1] or NAME=id[,start=RRGGBB]: returns why it
// was refused, or nothing.
std::string ParseMapOption(std::string_view value, MapRequest& request);

// NAME=FROM[,strength=S][,y=up|down].
std::string ParseNormalOption(std::string_view value, MapRequest& request);

}  // namespace tessmark::cli
