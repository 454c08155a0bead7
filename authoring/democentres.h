#pragma once

#include "librarycontent.h"

namespace kelvor::authoring {

// Each adds one part of the demo library to the content. The catalogue-only
// centres mirror parts of the others and the fixed files count them, so those
// two run last.
void addTechnologyCentre(LibraryContent& content);
void addExampleCentre(LibraryContent& content);
void addProjectCentre(LibraryContent& content);
void addSolutionCentre(LibraryContent& content);
void addInterfaceCentre(LibraryContent& content);
void addVideoCentre(LibraryContent& content);
void addLearningCentres(LibraryContent& content);
void addCatalogueCentres(LibraryContent& content);
void addPersonalData(LibraryContent& content);
void addFixedFiles(LibraryContent& content);

}  // namespace kelvor::authoring
