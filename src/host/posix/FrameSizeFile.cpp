#include "host/posix/FrameSizeFile.h"

#include "host/FrameSizes.h"

#include <cstdio>
#include <fstream>

FrameSizeFile::FrameSizeFile(const std::string& dataDirectory)
    : path(dataDirectory + "/" + FILE_NAME)
{
}

bool FrameSizeFile::recall(int32_t& width, int32_t& height) const
{
    std::ifstream in(path);
    std::string text;
    if (!(in >> text))
        return false;
    return FrameSizes::parse(text.c_str(), width, height);
}

void FrameSizeFile::remember(int32_t width, int32_t height)
{
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << width << 'x' << height << '\n';
        if (!out)
            return;
    }
    std::rename(temporary.c_str(), path.c_str());
}
