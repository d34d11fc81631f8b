// The twelve nodes in slot order, with the display names of the string table, and a repository
// for the stand-in WMI service that holds a distinct reading for each.
#pragma once

#include <array>
#include <string>

namespace veltra::testing {

struct CatalogueNode {
  const char* key;
  const char* displayName;
  const char* property;
  double reading;
};
extern const std::array<CatalogueNode, 12> kNodes;

// The repository (MOF text) holding each node's reading.
std::string upsReadingsRepository();

}  // namespace veltra::testing
