// A quick look at a Pascal file's head without parsing it: what kind of file it is, its name and
// the units its uses clauses name. Used to load a whole source tree in an order that puts the
// units a unit uses before it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct TUnitHeading {
    // The first word of the file, upper-cased: "UNIT", "PROGRAM", "LIBRARY", "PACKAGE"... ;
    // empty when the file holds no word at all.
    std::string Kind;
    std::string Name;               // the word after it, as written (dotted names whole)
    std::vector<std::string> Uses;  // every unit of every uses clause, upper-cased, in order
    // Beside each of Uses: the file of "in 'file'" as written, else empty.
    std::vector<std::string> UsesFiles;
    std::vector<std::string> UsesAsWritten;  // Uses in the source's letter case
};

// Comments, compiler directives and strings are passed over; "in 'file'" after a used unit is
// kept in UsesFiles.
TUnitHeading ReadUnitHeading(std::string_view Text);

}  // namespace qm
