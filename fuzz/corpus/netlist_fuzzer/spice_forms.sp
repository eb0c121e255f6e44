Continued and commented
vsrc top gnd ; the supply
+ dc=5
Ra TOP mid 10kohm
* comment between
rb mid 0
+ 4.7k
.options reltol=1e-6
.control
op
.endc
.END
R9 x y 1
