// Feeds arbitrary bytes to DataInputStream.readUTF until the data runs out. Any
// decoded text must encode and decode back to itself.
#include "FuzzInput.h"
#include "core/io/ByteArrayInputStream.h"
#include "core/io/ByteArrayOutputStream.h"
#include "core/io/DataInputStream.h"
#include "core/io/DataOutputStream.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 1 << 20)
        return 0;
    ByteArray bytes = fuzzBytes(data, size);
    ByteArrayInputStream source(bytes);
    DataInputStream in(&source);
    // A few texts per input: long runs of empty texts only cost time.
    for (int texts = 0; texts < 64 && !in.truncated() && source.available() > 0; ++texts) {
        String text = in.readUTF();
        ByteArrayOutputStream encoded;
        DataOutputStream out(&encoded);
        // A raw 0 byte decodes to a unit that re-encodes in two bytes, so a long
        // text of them may no longer fit; everything else must.
        bool fits = DataOutputStream::utfLength(text) <= DataOutputStream::MAX_UTF_BYTES;
        if (out.writeUTF(text) != fits)
            __builtin_trap();
        if (!fits)
            continue;
        ByteArrayInputStream again(encoded.toByteArray());
        DataInputStream back(&again);
        String decoded = back.readUTF();
        if (decoded.length() != text.length()
            || (text.length() > 0
                && std::memcmp(decoded.getChars(), text.getChars(), size_t(text.length()) * 2) != 0))
            __builtin_trap();
    }
    return 0;
}
