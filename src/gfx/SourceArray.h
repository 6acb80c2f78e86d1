#pragma once

#include <string>
#include <vector>

namespace tarnbrook {

// Source text that defines an embedded 16-colour picture (see EmbeddedImage.h) as
// "int wNAME", "int hNAME" and "char imgNAME[]", which is how such pictures enter the program.

// The file name without its folder and without its last extension, in upper case.
std::string SourceArrayName(const std::string& path);

// embedded holds the palette and the rows of the picture in the embedded format.
std::string SourceArrayText(const std::string& name, int width, int height,
                            const std::vector<unsigned char>& embedded);

// Writes the text for the picture read from bmpPath to bmpPath + ".c", replacing that file.
bool WriteSourceArray(const std::string& bmpPath, int width, int height,
                      const std::vector<unsigned char>& embedded);

}  // namespace tarnbrook
