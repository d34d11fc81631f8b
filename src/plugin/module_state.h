// The module's two working objects, one of each per process.
#pragma once

#include "catalogue/attribute_list.h"
#include "platform/new_object.h"
#include "wmi/cim_requester.h"

namespace veltra::plugin {

// Both null before the first InitNodes, after TermNodes, and when their allocation failed.
// Read and replaced only under the data lock.
catalogue::AttributeList* attributeList() noexcept;
wmi::CimRequester* requester() noexcept;

// Replace the object, destroying the one it held (null destroys and leaves none).
void replaceAttributeList(platform::ObjectPtr<catalogue::AttributeList> list) noexcept;
void replaceRequester(platform::ObjectPtr<wmi::CimRequester> requester) noexcept;

}  // namespace veltra::plugin
