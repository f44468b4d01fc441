#pragma once
// What the settings window and its dialogs do to the material catalogue,
// without the windows: reading the lists they show, checking a new name,
// deleting a material, sorting a diameter list, and the four lines of a
// properties file as the fields show them. Every write replaces its file
// whole through the atomic writer, so a failure leaves the old file as it was.

#include "engine/catalogue/materialclass.h"
#include "engine/catalogue/notenames.h"

#include <optional>
#include <string>
#include <vector>

// The non-empty lines of "material.dat" / of a material's diameter file, in
// file order; nullopt when the file cannot be opened.
std::optional<std::vector<std::string>> readMaterialNames(const std::string& dataDir);
std::optional<std::vector<std::string>> readDiameters(
    const std::string& dataDir, const std::string& material);

// The material's description, a line each; none when it has no file.
std::vector<std::string> readDescription(const std::string& dataDir, const std::string& material);
// Written whole like every catalogue file; false when it could not be.
bool writeDescription(
    const std::string& dataDir, const std::string& material, const std::vector<std::string>& lines);

// A material's own tensile strength and fatigue table (the check's data),
// a line each as typed; none when it has no file. Writing no lines removes
// the file, so the material has none again.
std::vector<std::string> readMaterialLines(const std::string& dataDir, const std::string& fileName);
bool writeMaterialLines(
    const std::string& dataDir, const std::string& fileName, const std::vector<std::string>& lines);

bool hasDiameterFile(const std::string& dataDir, const std::string& material);

bool writeMaterialNames(const std::string& dataDir, const std::vector<std::string>& names);
bool writeDiameters(
    const std::string& dataDir, const std::string& material, const std::vector<std::string>& diameters);

// What came of a rewrite of "material.dat" from a window's list.
enum class ListRewrite {
    Done,
    Changed, // the file no longer holds what the window read from it: nothing written
    Failed, // the write failed: the file is as it was
};

// Rewrites "material.dat" with `names`, but first reads it again and
// writes nothing when its names are no longer `shown`, the names the window
// read from it (a missing file holds none): another program, or a hand,
// changed the list under the window, and its change must not be lost.
ListRewrite rewriteMaterialNames(
    const std::string& dataDir, const std::vector<std::string>& shown, const std::vector<std::string>& names);

// Adding a material: its diameter and properties files are written first
// and the material list last, so "material.dat" is the commit point and a
// listed material always has both files. Before its first file the
// addition writes a note (kAdditionNote: the material, then those of its
// two files that do not exist yet, which are the addition's own); the note
// goes once the material is listed or the addition is taken back. A program
// killed in between leaves the note, and the next start removes exactly
// the files it names (removeUncommittedAddition).

// False when the note cannot be written: nothing may be added then.
bool beginAddition(const std::string& dataDir, const std::string& material);

// Lists the material: rewriteMaterialNames(shown, names); when that is not
// Done the addition is taken back. Then the note goes.
ListRewrite commitAddition(
    const std::string& dataDir, const std::vector<std::string>& shown, const std::vector<std::string>& names);

// Takes an addition back: removes the files its note names, then the note.
void abandonAddition(const std::string& dataDir);

// At a start, while nobody else edits the folder: an addition whose
// material is not listed is taken back; of one that is, only its note goes.
void removeUncommittedAddition(const std::string& dataDir);

// The message for ListRewrite::Changed.
std::string materialListChangedMessage();

// A character a material name may not hold: it cannot stand in a file name
// ("*", ",", ".", "/", "?", "\", ":", control characters) or cannot be
// stored in Windows-1251. The text is UTF-8.
bool nameCharsAllowed(const std::string& name);

// Why a new material may not take `name` beside the materials `names`, or
// "" when it may: refused characters, a name too long for its files (with
// the writer's temporary suffix) to fit the file system, a name already
// listed (letter case aside, as file names are matched), or a name whose
// files would be those of another material or one of the program's tables.
std::string materialNameRefusal(const std::string& name, const std::vector<std::string>& names);

// Removes names[index], `names` being the list as the window read it:
// "material.dat" is rewritten first (rewriteMaterialNames); only when that
// is Done are the material's diameter and properties files erased, each
// unless a remaining material (or a table) uses a file of that name.
// Otherwise `names` and every file are unchanged.
ListRewrite deleteMaterial(const std::string& dataDir, std::vector<std::string>& names, size_t index);

// Sorts ascending, the earlier of equal values first, every entry rewritten
// in the general number form (1,50 becomes 1,5). Returns the conversion
// message of the first entry that is not a number, leaving the list as it
// was; "" on success.
std::string sortDiameters(std::vector<std::string>& diameters);

// Appends `diameter` unless an entry already has exactly that text, then
// sorts; the result is sortDiameters'.
std::string addDiameter(std::vector<std::string>& diameters, const std::string& diameter);

// A new diameter must be a number above zero ("0", "0,0" and "00" are not).
bool diameterAboveZero(const std::string& text);

// The properties file as the properties tab shows it: the first three lines
// as text, the fourth as the group position (-1 for none).
struct PropertiesText {
    std::string ro = "0";
    std::string E = "0";
    std::string G = "0";
    int group = -1;
};

struct PropertiesRead {
    std::optional<PropertiesText> properties;
    std::string message; // "no " + file, or the bad-file message naming it
};

// A file with fewer than four lines, or whose fourth line is not an integer
// from -1 to 9, or too big to read, is refused with a message naming it.
PropertiesRead readPropertiesText(const std::string& dataDir, const std::string& material);

bool writeProperties(
    const std::string& dataDir, const std::string& material, const PropertiesText& properties);

// Why the fields cannot be applied, or "" when they can: density, E and G
// must each be a number above zero (decimal comma), checked in that order;
// the message names the first that is not.
std::string propertiesRefusal(const PropertiesText& properties);

// The positions of the material group choice: one per material class.
constexpr int kMaterialGroups = static_cast<int>(kMaterialClasses.size());

// The torsion-stress table the viewer shows for a group position: the final
// one ("OKONCAT") for the classes that take it, else the first
// approximation ("PREDVARIT"), also when no group is chosen.
bool usesFinalStressTable(int group);
std::string tauTableKindFor(int group);
