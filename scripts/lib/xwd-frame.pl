#!/usr/bin/perl
# Checks a screenshot of the whole screen taken with `xwd -root` (32 bits a pixel,
# as a 24-bit X server keeps them): the frame lies at LEFT,TOP, WIDTH x HEIGHT
# screen pixels, drawn at whole scale SCALE (every SCALE x SCALE block of it, counted
# from its corner, one colour) and not all black; everything around it is black.
# Prints what it found; exits 1 when a check fails, 2 when the file is not such a
# screenshot.
#   perl scripts/lib/xwd-frame.pl FILE LEFT TOP WIDTH HEIGHT SCALE
use strict;
use warnings;

my ($file, $left, $top, $width, $height, $scale) = @ARGV;
die "usage: xwd-frame.pl FILE LEFT TOP WIDTH HEIGHT SCALE\n" unless defined $scale;
open(my $in, '<:raw', $file) or do { print STDERR "xwd-frame: cannot read $file\n"; exit 2 };
local $/;
my $data = <$in>;
close $in;
# The header: 25 big-endian 32-bit fields (X11 XWDFile.h), then the window name.
my @h = unpack('N25', $data);
my ($headerSize, $screenWidth, $screenHeight, $byteOrder, $bitsPerPixel, $bytesPerLine, $colours) =
  @h[0, 4, 5, 7, 11, 12, 19];
if (@h < 25 || $bitsPerPixel != 32) {
    print STDERR "xwd-frame: $file is not a 32-bit xwd screenshot\n";
    exit 2;
}
my $pixels = $headerSize + 12 * $colours;    # each colour map entry takes 12 bytes
if (length($data) < $pixels + $bytesPerLine * $screenHeight) {
    print STDERR "xwd-frame: $file is cut short\n";
    exit 2;
}
# The colour bytes of a pixel: the low three in the server's byte order.
my $black = $byteOrder == 0 ? qr/^(?:\0\0\0.)*$/s : qr/^(?:.\0\0\0)*$/s;

sub span {
    my ($y, $x, $count) = @_;
    return $count <= 0 ? '' : substr($data, $pixels + $y * $bytesPerLine + 4 * $x, 4 * $count);
}

my ($outside, $blocks, $lit) = (0, 0, 0);
for my $y (0 .. $screenHeight - 1) {
    my $inRows = $y >= $top && $y < $top + $height;
    if (!$inRows) {
        $outside++ unless span($y, 0, $screenWidth) =~ $black;
        next;
    }
    $outside++ unless span($y, 0, $left) =~ $black;
    $outside++ unless span($y, $left + $width, $screenWidth - $left - $width) =~ $black;
    my $row = span($y, $left, $width);
    $lit = 1 unless $row =~ $black;
    # Rows of one block repeat its first row; within a row, pixels repeat SCALE times.
    my $first = $top + int(($y - $top) / $scale) * $scale;
    if ($first != $y) {
        $blocks++ unless $row eq span($first, $left, $width);
        next;
    }
    for (my $x = 0; $x < $width; $x += $scale) {
        my $pixel = substr($row, 4 * $x, 4);
        $blocks++ unless substr($row, 4 * $x, 4 * $scale) eq $pixel x $scale;
    }
}
print "screen ${screenWidth}x$screenHeight; frame ${width}x$height at $left,$top: "
  . "$outside rows not black around it, $blocks broken ${scale}x$scale blocks, "
  . ($lit ? "drawn" : "all black") . "\n";
exit($outside == 0 && $blocks == 0 && $lit ? 0 : 1);
