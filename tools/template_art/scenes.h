#pragma once

#include "art_parts.h"

// One function per template picture, grouped by cast in people_scenes.cpp,
// animal_scenes.cpp, panda_head_scenes.cpp and mushroom_scenes.cpp.
namespace art::scenes {

void shortHairSmug(Canvas& c);
void shortHairShocked(Canvas& c);
void pandaWave(Canvas& c);
void pandaSulk(Canvas& c);
void pandaThumbsUp(Canvas& c);
void pandaPeek(Canvas& c);
void pandaFacepalm(Canvas& c);
void pandaAsleep(Canvas& c);
void spartan(Canvas& c);
void confusedDog(Canvas& c);
void passerBy(Canvas& c);
void oldGentleman(Canvas& c);
void puzzledMan(Canvas& c);
void chickenMassage(Canvas& c);
void cheekyKid(Canvas& c);
void derpCat(Canvas& c);
void boxCat(Canvas& c);
void mushroomLaugh(Canvas& c);
void mushroomCry(Canvas& c);
void mushroomPoint(Canvas& c);
void mushroomShrug(Canvas& c);
void mushroomTableFlip(Canvas& c);
void girlBlush(Canvas& c);
void girlEyeRoll(Canvas& c);
void taunt(Canvas& c);
void mushroomTea(Canvas& c);
void mushroomRun(Canvas& c);
void pandaHeadGrin(Canvas& c);
void pandaHeadTeary(Canvas& c);
void girlPeace(Canvas& c);
void mushroomSalute(Canvas& c);
void mushroomFlat(Canvas& c);
void selfAssured(Canvas& c);
void mushroomPeek(Canvas& c);
void faceSlap(Canvas& c);
void mushroomThumbsUp(Canvas& c);
void pandaHeadDeadpan(Canvas& c);
void blank(Canvas& c);

}  // namespace art::scenes
