#pragma once
// Round trip of published properties through form descriptions: every property a class publishes
// beyond those of a base class (nested value objects included, property by property) is given a
// value other than its default in a description, read, written back and read again; a component
// at its defaults writes none of them.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/classes/Component.h"

struct TPublishedFamily {
    std::string Title;
    TClass Class;                 // the class whose published properties are checked
    TClass Base;                  // those this ancestor publishes are left to its own tests (null: none)
    std::vector<const char*> Listed;   // the names the class must publish
    std::string Before, After;    // the description around the property lines
    std::string Indent;           // of the property lines
    std::function<TPersistent*(TComponent*)> Target;   // the object that holds them in a read tree
    std::map<std::string, std::string> Samples;       // path -> value text, where the generic one won't do
    std::vector<std::string> Skipped;                 // paths checked elsewhere
    std::vector<std::string> Written;                 // paths a form holds even at their defaults
};

void ExpectPublishedRoundTrip(const TPublishedFamily& Family);
