#include "platform/handles.h"

#include <unordered_map>
#include <vector>

namespace tw {
namespace {

struct Table {
  std::unordered_map<const void*, std::uint32_t> handles;
  std::vector<const void*> objects{nullptr};
};

Table& table() {
  static Table t;
  return t;
}

}  // namespace

std::uint32_t HandleOf(const void* object) {
  if (object == nullptr) return 0;
  Table& t = table();
  auto [it, inserted] = t.handles.try_emplace(object, static_cast<std::uint32_t>(t.objects.size()));
  if (inserted) t.objects.push_back(object);
  return it->second;
}

const void* ObjectOfHandle(std::uint32_t handle) {
  const Table& t = table();
  return handle < t.objects.size() ? t.objects[handle] : nullptr;
}

}  // namespace tw
