#include "compositions.h"

#include <array>

#include "scenes.h"

namespace art {

void ComposeTemplate(int index, Canvas& canvas) {
    using namespace scenes;
    static constexpr std::array<void (*)(Canvas&), 38> kScenes{
        shortHairSmug,
        shortHairShocked,
        pandaWave,
        pandaSulk,
        pandaThumbsUp,
        pandaPeek,
        pandaFacepalm,
        pandaAsleep,
        spartan,
        confusedDog,
        passerBy,
        oldGentleman,
        puzzledMan,
        chickenMassage,
        cheekyKid,
        derpCat,
        boxCat,
        mushroomLaugh,
        mushroomCry,
        mushroomPoint,
        mushroomShrug,
        mushroomTableFlip,
        girlBlush,
        girlEyeRoll,
        taunt,
        mushroomTea,
        mushroomRun,
        pandaHeadGrin,
        pandaHeadTeary,
        girlPeace,
        mushroomSalute,
        mushroomFlat,
        selfAssured,
        mushroomPeek,
        faceSlap,
        mushroomThumbsUp,
        pandaHeadDeadpan,
        blank,
    };
    if (index >= 0 && index < static_cast<int>(kScenes.size())) kScenes[index](canvas);
}

}  // namespace art
