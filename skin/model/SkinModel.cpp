#include "skin/model/SkinModel.h"

namespace quellar {

TSkinModel::TSkinModel()
    : frameLeft_(std::make_unique<TDataSkinBorder>("Left")),
      frameRight_(std::make_unique<TDataSkinBorder>("Right")),
      frameTop_(std::make_unique<TDataSkinBorder>("Top")),
      frameBottom_(std::make_unique<TDataSkinBorder>("Bottom")),
      title_(std::make_unique<TDataSkinTitle>("Title")),
      buttons_(std::make_unique<TDataSkinButton>("Buttons")) {}

TSkinModel::~TSkinModel() = default;

} // namespace quellar
