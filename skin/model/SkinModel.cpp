#include "skin/model/SkinModel.h"

namespace quellar {

TSkinModel::TSkinModel()
    : FrameLeft(std::make_unique<TDataSkinBorder>("Left")),
      FrameRight(std::make_unique<TDataSkinBorder>("Right")),
      FrameTop(std::make_unique<TDataSkinBorder>("Top")),
      FrameBottom(std::make_unique<TDataSkinBorder>("Bottom")),
      Title(std::make_unique<TDataSkinTitle>("Title")),
      Buttons(std::make_unique<TDataSkinButton>("Buttons")) {}

TSkinModel::~TSkinModel() = default;

} // namespace quellar
