#!/usr/bin/perl
# Runs every example of the manual page and compares the report that the program writes with
# the one that the page shows.
#
#   run_examples.pl PAGE PROGRAM EXAMPLES_DIR [LAUNCHER...]
#
# An example is a run of .EX blocks, each behind a comment ".\" example-file NAME" (input.txt,
# submission.txt, report.txt), that ends with its report. A missing input file or submission is
# the bundled EXAMPLES_DIR/input.txt or EXAMPLES_DIR/submission-accepted.txt. An example under a
# heading "Check N" must fail with check N. Lines of a block are taken as man shows them: the
# escapes \- \(aq \(dq \e \& are undone, and any other escape or a line that man would read
# as a request fails the test.
use strict;
use warnings;
use File::Temp qw(tempdir);

my ($page, $program, $examples, @launcher) = @ARGV;
die "usage: run_examples.pl PAGE PROGRAM EXAMPLES_DIR [LAUNCHER...]\n" unless defined $examples;

# The text of a line of an .EX block as man shows it.
sub shown {
  my ($line, $where) = @_;
  die "$where: a line that man would take as a request\n" if $line =~ /^[.']/;
  my %escapes = ('\-' => '-', '\(aq' => "'", '\(dq' => '"', '\e' => '\\', '\&' => '');
  $line =~ s/(\\(?:\(..|.))/exists $escapes{$1} ? $escapes{$1} : die "$where: escape $1\n"/ge;
  return $line;
}

# The whole contents of a file.
sub slurp {
  my ($path) = @_;
  open(my $in, '<:raw', $path) or return undef;
  local $/;
  return <$in>;
}

# Writes a file.
sub spill {
  my ($path, $text) = @_;
  open(my $out, '>:raw', $path) or die "$path: $!\n";
  print $out $text;
  close($out) or die "$path: $!\n";
}

# Runs one example; the reason why it fails, or '' when it passes.
sub failure_of {
  my ($files, $check) = @_;
  my $dir = tempdir(CLEANUP => 1);
  my %paths = (input => "$examples/input.txt", submission => "$examples/submission-accepted.txt");
  for my $name ('input', 'submission') {
    next unless exists $files->{"$name.txt"};
    $paths{$name} = "$dir/$name.txt";
    spill($paths{$name}, $files->{"$name.txt"});
  }
  # Standard output is not the report: it goes elsewhere while the program runs.
  open(my $console, '>&', \*STDOUT) or die "standard output: $!\n";
  open(STDOUT, '>', "$dir/stdout.txt") or die "$dir/stdout.txt: $!\n";
  my $code = system(@launcher, $program, 'eval', $paths{input}, $paths{submission},
                    "$dir/report.txt") >> 8;
  open(STDOUT, '>&', $console) or die "standard output: $!\n";
  return "exit code $code" if $code != 0;
  my $report = slurp("$dir/report.txt");
  return 'no report' unless defined $report;
  $report =~ s/\r\n/\n/g;    # a Windows program's line ends
  return "the report differs:\n$report" if $report ne $files->{'report.txt'};
  return "the report is not that of check $check" if defined $check
      && $report !~ /^Napaka \[Mrezovnik:$check\]: /;
  return '';
}

open(my $in, '<', $page) or die "$page: $!\n";
my ($check, $name, $block, %files);
my ($examples_run, $failed) = (0, 0);
while (my $line = <$in>) {
  chomp $line;
  my $where = "$page:$.";
  if ($line =~ /^\.S[HS] (.*)$/) {
    die "$where: the example before this heading has no report\n" if %files;
    $check = $1 =~ /^"?Check (\d+)\b/ ? $1 : undef;
  } elsif ($line =~ /^\.\\" example-file (input\.txt|submission\.txt|report\.txt)$/) {
    $name = $1;
  } elsif ($line eq '.EX' && defined $name) {
    $block = '';
  } elsif ($line eq '.EE' && defined $block) {
    $files{$name} = $block;
    if ($name eq 'report.txt') {
      my $reason = failure_of(\%files, $check);
      $examples_run++;
      if ($reason ne '') {
        print "FAIL: the example ending at $where: $reason\n";
        $failed++;
      }
      %files = ();
    }
    ($name, $block) = (undef, undef);
  } elsif (defined $block) {
    $block .= shown($line, $where) . "\n";
  }
}
die "$page: an example at its end has no report\n" if %files;
die "$page: no examples\n" if $examples_run == 0;
print "$examples_run examples run, $failed failed\n";
exit($failed == 0 ? 0 : 1);
