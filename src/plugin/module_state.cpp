#include "plugin/module_state.h"

namespace veltra::plugin {
namespace {

// Plain pointers on purpose: unloading the module runs no destroy step for these objects (their
// destructors would trace and could reach COM from inside the loader), so they must have no
// static destructor. InitNodes and TermNodes own them, through the replace functions below.
catalogue::AttributeList* theAttributeList = nullptr;
wmi::CimRequester* theRequester = nullptr;

}  // namespace

catalogue::AttributeList* attributeList() noexcept {
  return theAttributeList;
}

wmi::CimRequester* requester() noexcept {
  return theRequester;
}

void replaceAttributeList(platform::ObjectPtr<catalogue::AttributeList> list) noexcept {
  platform::ObjectPtr<catalogue::AttributeList> old(theAttributeList);
  theAttributeList = nullptr;
  old.reset();
  theAttributeList = list.release();
}

void replaceRequester(platform::ObjectPtr<wmi::CimRequester> requester) noexcept {
  platform::ObjectPtr<wmi::CimRequester> old(theRequester);
  theRequester = nullptr;
  old.reset();
  theRequester = requester.release();
}

}  // namespace veltra::plugin
