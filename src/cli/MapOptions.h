#pragma once

#include <string>
#include <string_view>

#include "textureset/MapSpec.h"

namespace tessmark::cli {

// NAME=FILE[,start=RRGGBB][,fill=RRGGBB;...][,noise=0|1] or NAME=id[,start=RRGGBB]: returns why it
// was refused, or nothing.
std::string ParseMapOption(std::string_view value, MapSpec& spec);

// NAME=FROM[,strength=S][,y=up|down].
std::string ParseNormalOption(std::string_view value, MapSpec& spec);

}  // namespace tessmark::cli
