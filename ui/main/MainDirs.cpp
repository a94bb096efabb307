#include "MainDirs.h"

namespace tarnwick {

std::string WadDir;
std::string StartDir;

} // namespace tarnwick
