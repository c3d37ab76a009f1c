#pragma once

#include "CardFrame.h"

// The pictures of the 22 major arcana, drawn in panel coordinates.
namespace cards::emblems {

void magician(Art& art);
void highPriestess(Art& art);
void empress(Art& art);
void emperor(Art& art);
void hierophant(Art& art);
void lovers(Art& art);
void chariot(Art& art);
void justice(Art& art);
void hermit(Art& art);
void wheel(Art& art);
void strength(Art& art);
void hangedMan(Art& art);
void death(Art& art);
void temperance(Art& art);
void devil(Art& art);
void tower(Art& art);
void star(Art& art);
void moon(Art& art);
void sun(Art& art);
void judgment(Art& art);
void fool(Art& art);
void world(Art& art);

} // namespace cards::emblems
