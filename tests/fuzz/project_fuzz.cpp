// The help project parser: any bytes give a project or a reason, and what is read is UTF-8.
#include "hhc/project.h"
#include "hhc/text_encoding.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    hhc::Project read;
    auto project = hhc::ParseProject(AsText(data, size), &read);
    // The compiled file may be left unnamed: the compile step names it after the project.
    if (project) Require(!project->default_topic.empty(), "a project names its first page");
    else Require(!project.error().message.empty(), "a failure says why");
    for (const auto* list : {&read.files, &read.windows, &read.map_lines, &read.alias_lines, &read.text_popups})
        for (const auto& value : *list) Require(hhc::IsValidUtf8(value), "lists are UTF-8");
    for (const auto* value : {&read.compiled_file, &read.default_topic, &read.title, &read.contents_file, &read.index_file})
        Require(hhc::IsValidUtf8(*value), "options are UTF-8");
    return 0;
}
