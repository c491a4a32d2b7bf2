#pragma once
// The program's loaded windows, in the order they were loaded. Shutdown unloads them newest first,
// leaving the main window (the first) to the last.
#include <cstddef>
#include <vector>

namespace tw {

class LoadedForm {
 public:
  virtual ~LoadedForm() = default;
  virtual void Unload() = 0;
};

class Forms {
 public:
  void Add(LoadedForm* form);
  void Remove(LoadedForm* form);
  int Count() const { return static_cast<int>(forms_.size()); }
  LoadedForm* At(int index) const { return forms_.at(static_cast<std::size_t>(index)); }

 private:
  std::vector<LoadedForm*> forms_;
};

Forms& LoadedForms();

}  // namespace tw
