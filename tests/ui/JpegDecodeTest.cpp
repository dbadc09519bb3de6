#include "ui/JpegDecode.h"

#include "base/Exception.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace quellar {
namespace {

std::vector<std::uint8_t> ReadPicture(const std::string& name) {
    std::ifstream file(std::string(QUELLAR_PICTURES_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(JpegDecode, DecodesTheProgramsPicturesToTheirSizeAndColours) {
    const TRgbImage idle = DecodeJpeg(ReadPicture("mos00.jpg"));
    EXPECT_EQ(idle.width, 236);
    EXPECT_EQ(idle.height, 252);
    ASSERT_EQ(idle.rgb.size(), 236u * 252u * 3u);
    // The idle picture's sky is light blue at the top and its ground dark green at the bottom.
    const std::uint8_t* sky = &idle.rgb[(2 * 236 + 2) * 3];
    EXPECT_GT(sky[2], 200);
    const std::uint8_t* ground = &idle.rgb[(245 * 236 + 118) * 3];
    EXPECT_GT(ground[1], ground[0]);
    EXPECT_LT(ground[1], 140);
    const TRgbImage running = LoadJpegFile(std::string(QUELLAR_PICTURES_DIR) + "/mos01.jpg");
    EXPECT_EQ(running.width, 236);
}

TEST(JpegDecode, DamagedDataRaisesInsteadOfCrashing) {
    EXPECT_THROW(DecodeJpeg({}), Exception);
    const std::vector<std::uint8_t> garbage(5000, 0x5A);
    EXPECT_THROW(DecodeJpeg(garbage), Exception);
    std::vector<std::uint8_t> header = ReadPicture("mos00.jpg");
    header.resize(40); // inside the header: no frame at all
    EXPECT_THROW(DecodeJpeg(header), Exception);
}

TEST(JpegDecode, TruncatedScanStillGivesAWholePicture) {
    std::vector<std::uint8_t> bytes = ReadPicture("mos00.jpg");
    bytes.resize(bytes.size() / 2); // libjpeg fills the missing rows and warns
    const TRgbImage image = DecodeJpeg(bytes);
    EXPECT_EQ(image.rgb.size(), static_cast<std::size_t>(image.width) * image.height * 3);
}

TEST(JpegDecode, MissingFileNamesTheFile) {
    try {
        LoadJpegFile("no-such-picture.jpg");
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), "Cannot open file \"no-such-picture.jpg\"");
    }
}

} // namespace
} // namespace quellar
