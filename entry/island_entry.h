// The island entry: one schematic's block of indented key-value text, the
// format the server's configuration expects. Nothing else in the program
// knows its keys, indents or line order.
#pragma once

#include <string>

namespace island {

// The inputs as read from the window. A text is present when it is not
// empty; nothing is trimmed, escaped or checked.
struct IslandInputs {
  std::string key;
  bool shown_yes = false;
  bool shown_no = false;
  std::string icon;
  std::string order;
  std::string name;
  std::string description;
  std::string file_name;
  std::string biome;
  bool default_chest_yes = false;
  bool default_chest_no = false;
  std::string cost;
};

// One CR LF-ended line per present input, in the fixed order; the key line is
// indented by four blanks, every other line by six.
std::string BuildIslandEntry(const IslandInputs& in);

}  // namespace island
