#include "viewer/entry.h"

#include "report/record.h"
#include "platform/translate.h"

namespace tw {
namespace {

bool IsDateTimeField(const std::string& text, const DateFormat& format) {
  return text.find(',') == std::string::npos && format.IsDate(text);
}

}  // namespace

std::optional<EntryProblem> CheckEntry(const EntryTexts& entry, const DateFormat& format,
                                       const std::string& example) {
  if (entry.project.find(',') != std::string::npos)
    return EntryProblem{EntryField::Project,
                        Tr("EntryEditor", "A project name cannot contain a comma. Please remove it from the project.")};
  if (!IsDateTimeField(entry.start, format))
    return EntryProblem{EntryField::Start,
                        Arg(Tr("EntryEditor", "The Project Start Time is not a date and time. Please type it like %1."),
                            {example})};
  if (!IsDateTimeField(entry.end, format))
    return EntryProblem{EntryField::End,
                        Arg(Tr("EntryEditor", "The Project End Time is not a date and time. Please type it like %1."),
                            {example})};
  return std::nullopt;
}

std::string EntryLine(const EntryTexts& entry) {
  // A one-line box can still be given a line break by pasting; it would split the record.
  return RecordLine(entry.project, entry.start, entry.end, entry.comment);
}

}  // namespace tw
