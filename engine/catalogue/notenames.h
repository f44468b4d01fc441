#pragma once
// The names of the notes the program keeps beside the data files in a
// catalogue folder. The start-up clean-up knows them as the program's own.

// The manifest of the upstream catalogue the user's copy last took.
inline constexpr const char* kManifestName = ".pruz-shipped";
// The catalogue as it was before an update, kept for the design check.
inline constexpr const char* kPreviousName = ".pruz-previous";
// In the previous copy: what the update did, as the program reports it.
inline constexpr const char* kUpdateNoteName = ".pruz-update.txt";
// A material addition under way: the material and its new files.
inline constexpr const char* kAdditionNote = ".pruz-addition";

// The notes that are files (the previous copy is a folder).
inline constexpr const char* kNoteFiles[] = { kManifestName, kUpdateNoteName, kAdditionNote };
