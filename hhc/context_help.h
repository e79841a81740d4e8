// A project's context-sensitive help as the compiled file carries it: the topics its context
// ids open, its text popup files (in the language's code page) and the files a viewer merges.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "chm/writer.h"
#include "hhc/collect.h"
#include "hhc/project.h"

namespace hhc {

struct ContextTopic {
    uint32_t id = 0;
    std::string path;    // full path of the topic's file
    std::string anchor;  // "#part", or empty
};

struct ContextHelp {
    std::vector<ContextTopic> topics;
    std::vector<std::string> popups;    // full paths of the text popup files that exist
    std::vector<std::string> named;     // files to take in: the topics' and the popups'
    std::vector<std::string> warnings;  // log lines, UTF-8
};

// Reads [MAP], [ALIAS] and [TEXT POPUPS] with the files they include; `resolve` turns a path
// as the project writes it into a full one. Texts not in UTF-8 are read in `code_page`.
ContextHelp ContextHelpOf(const Project& project, const std::function<std::string(const std::string&)>& resolve,
                          uint32_t code_page);

// Once the files are collected: the popup files become `code_page` text (a character it
// lacks is a warning naming the file and line), the context ids and merged files go into
// the options. Adds its log lines to `lines`.
void ApplyContextHelp(const ContextHelp& help, const Project& project, Collection& collection, uint32_t code_page,
                      chm::Options& options, std::vector<std::string>& lines);

}  // namespace hhc
