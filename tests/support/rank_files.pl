#!/usr/bin/perl
# The files of tests/rank_agrees.sh, and its check of the standings.
#
#   rank_files.pl SEED DIR
#     writes DIR/input.txt (4 to 6 test cases of small grids) and a dozen submissions in
#     DIR/subs/, drawn from SEED: blocks in any order, some left out or answered twice, white
#     cells painted black at random (which the thresholds may refuse), some with a red cell
#     whitened or a header that is no contestant number; some contestants with two files.
#   rank_files.pl --check OUT REPORTS JUDGED BETTER
#     compares OUT/results.csv, OUT/best.txt and OUT/standings.csv with the evaluator's report
#     of each file (REPORTS/<name>) and the judge's score of each (JUDGED: "<file> <score>" or
#     "<file> refused" lines); prints each difference, and exits 1 if there is one.
use strict;
use warnings;
use Encode qw(decode encode);

if ($ARGV[0] eq '--check') {
  exit check(@ARGV[1 .. 4]);
}
generate(@ARGV);

# Writes the input file and the submissions.
sub generate {
  my ($seed, $dir) = @_;
  srand($seed);
  my @cases;
  my $count = 4 + int(rand(3));
  open(my $input, '>', "$dir/input.txt") or die "$dir/input.txt: $!";
  print $input "Mrezovje\n$count\n";
  for my $t (1 .. $count) {
    my $n = 3 + int(rand(4));
    my ($b, $c) = (1 + int(rand(2)), 3 + int(rand(6)));
    my @rows = map { join('', map { rand() < 0.15 ? 'R' : '.' } 1 .. $n) } 1 .. $n;
    push @cases, {n => $n, rows => \@rows};
    print $input "\n$t\n$n 1 $b $c\n", map { "$_\n" } @rows;
  }
  close($input);
  mkdir("$dir/subs");
  for my $k (1 .. 12) {
    my $contestant = sprintf('%06d', 100 + ($k <= 3 ? $k : $k - 3));
    my $header = $k == 7 ? '12345' : $contestant;
    my $density = 0.03 + rand(0.25);
    my @blocks = grep { rand() < 0.85 } 1 .. $count;
    push @blocks, $blocks[0] if @blocks && rand() < 0.3;
    @blocks = sort { rand() <=> 0.5 } @blocks;
    open(my $out, '>', sprintf('%s/subs/%s-%02d.txt', $dir, $contestant, $k)) or die $!;
    print $out "$header\nMrezovje\n";
    for my $t (@blocks) {
      my @rows = map { join('', map { $_ eq '.' && rand() < $density ? '#' : $_ } split //) }
        @{$cases[$t - 1]{rows}};
      if ($k % 5 == 0) { for (@rows) { last if s/R/./ } }
      print $out "\n" if rand() < 0.3;
      print $out "$t\n", map { "$_\n" } @rows;
    }
    close($out);
  }
}

# The fields of one CSV record (RFC 4180, no line end inside a field).
sub csvFields {
  my ($line) = @_;
  my @fields;
  while ($line =~ /\G(?:"((?:[^"]|"")*)"|([^,"]*))(,|$)/g) {
    my $field = defined $1 ? $1 =~ s/""/"/gr : $2;
    push @fields, decode('UTF-8', $field);
    last if $3 eq '';
  }
  return @fields;
}

# The records of a CSV file, without its header.
sub csvRecords {
  my ($path) = @_;
  open(my $in, '<:raw', $path) or die "$path: $!";
  my @records = map { s/\r?\n\z//r } <$in>;
  shift @records;
  return map { [csvFields($_)] } @records;
}

# What the report of a file says: verdict, check, message, and the first count of each test case.
sub reportOf {
  my ($path) = @_;
  open(my $in, '<:raw', $path) or return {verdict => 'unreadable', counts => {}};
  my @lines = map { s/\r?\n\z//r } <$in>;
  if ($lines[0] eq 'OK') {
    my %counts;
    for (@lines[2 .. $#lines]) { my ($t, $c) = split; $counts{$t} //= $c }
    return {verdict => 'accepted', check => '', message => '', counts => \%counts};
  }
  if ($lines[0] =~ /^Napaka \[Mrezovnik:(\d+)\]: (.*)\z/s) {
    my $message = $2;
    $message = substr($message, 0, 2000) . ' ... (' . (length($message) - 2000) . ' more bytes)'
      if length($message) > 2000;
    return {verdict => 'refused', check => $1, message => $message, counts => {}};
  }
  return {verdict => 'unreadable', check => '', message => '', counts => {}};
}

# Compares the standings with the reports and the judge's scores; the exit code.
sub check {
  my ($out, $reports, $judged, $better) = @_;
  my $faults = 0;
  my $fault = sub { print "$_[0]\n"; ++$faults };
  my (%report, %best);
  my @results = csvRecords("$out/results.csv");
  my $count = 0;
  for my $record (@results) {
    my ($file, $contestant, $verdict, $checkNumber, $message, $total, @counts) = @$record;
    $count = @counts;
    (my $name = $file) =~ s{^subs/}{};
    my $expected = $report{$file} = reportOf("$reports/$name");
    my $shown = encode('latin1', $message);
    $fault->("$file: $verdict $checkNumber $shown, but the report says $expected->{verdict} "
             . "$expected->{check} $expected->{message}")
      unless $verdict eq $expected->{verdict} && $checkNumber eq $expected->{check}
      && $shown eq $expected->{message};
    my $sum = 0;
    for my $t (1 .. @counts) {
      my $want = $expected->{counts}{$t} // '';
      $fault->("$file: test case $t counts '$counts[$t - 1]', the report '$want'")
        unless $counts[$t - 1] eq $want;
      next if $want eq '';
      $sum += $want;
      $best{$t} = $want
        if !defined $best{$t} || ($better eq 'higher' ? $want > $best{$t} : $want < $best{$t});
    }
    $fault->("$file: total '$total', not $sum")
      unless $total eq ($verdict eq 'accepted' ? $sum : '');
  }
  open(my $bestFile, '<', "$out/best.txt") or die "$out/best.txt: $!";
  my $bestText = join('', map { s/\r//r } <$bestFile>);
  my $wanted = join('', map { "$_ $best{$_}\n" } sort { $a <=> $b } keys %best);
  $fault->("best.txt holds\n$bestText, not\n$wanted") unless $bestText eq $wanted;

  open(my $in, '<', $judged) or die "$judged: $!";
  my %score = map { split ' ', $_, 2 } map { s/\s+\z//r } <$in>;
  my %seen;
  for my $record (csvRecords("$out/standings.csv")) {
    my ($rank, $contestant, $file, $score, @fractions) = @$record;
    $fault->("$contestant is listed twice") if $seen{$contestant}++;
    my $judge = $score{$file} // 'missing';
    if ($judge eq 'refused') {
      $fault->("$file is refused by the judge but scores $score @fractions")
        unless $score eq '0' && !grep { $_ ne '0' } @fractions;
    } else {
      $fault->("$file scores $score, the judge $judge") unless $score eq $judge;
    }
    for my $t (1 .. $count) {
      my $mine = $report{$file}{counts}{$t};
      $fault->("$file has the best count of test case $t but the fraction $fractions[$t - 1]")
        if defined $mine && $mine == $best{$t} && $fractions[$t - 1] ne '1';
    }
  }
  return $faults ? 1 : 0;
}
